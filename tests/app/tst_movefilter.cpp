#include "MoveFilter.h"

#include <QMouseEvent>
#include <QtTest>

// The press-and-move cases a real pointer cannot make on demand (the drag itself under a window manager:
// tst_windowdrag). Only a left drag of a window in place moves it.
class MoveFilterTest : public QObject
{
    Q_OBJECT
private slots:
    void dragNeedsTheLeftButtonHeld_data()
    {
        QTest::addColumn<QString>("scenario");
        for (const char *scenario : {"left", "right", "maximised", "right released", "lost"})
            QTest::newRow(scenario) << QString::fromLatin1(scenario);
    }
    void dragNeedsTheLeftButtonHeld()
    {
        QFETCH(QString, scenario);
        QWidget window;
        MoveFilter::install(&window, &window);
        scenario == QLatin1String("maximised") ? window.showMaximized() : window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Events with explicit global positions, as the platform sends them; `buttons` is the state after the event.
        const auto mouse = [&window](QEvent::Type type, const QPoint &global, Qt::MouseButton button, Qt::MouseButtons buttons) {
            QMouseEvent event(type, window.mapFromGlobal(global), window.mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
            QApplication::sendEvent(&window, &event);
        };
        const QPoint start = window.pos(), grabbed = start + QPoint(150, 12), delta(37, -22);
        const Qt::MouseButton button = scenario == QLatin1String("right") ? Qt::RightButton : Qt::LeftButton;
        mouse(QEvent::MouseButtonPress, grabbed, button, button);
        const Qt::MouseButtons held = scenario == QLatin1String("lost") ? Qt::NoButton : Qt::MouseButtons(button);
        if (scenario == QLatin1String("right released")) {
            mouse(QEvent::MouseButtonPress, grabbed, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
            mouse(QEvent::MouseButtonRelease, grabbed, Qt::RightButton, Qt::LeftButton);
        }
        window.setMouseTracking(true); // so that moves without a button (a release gone elsewhere) are seen
        mouse(QEvent::MouseMove, grabbed + delta / 2, Qt::NoButton, held);
        mouse(QEvent::MouseMove, grabbed + delta, Qt::NoButton, held);
        const QPoint expected = scenario == QLatin1String("left") ? start + delta : start;
        QTRY_COMPARE(window.pos(), expected);
        mouse(QEvent::MouseButtonRelease, grabbed + delta, Qt::LeftButton, Qt::NoButton);
        mouse(QEvent::MouseMove, grabbed + delta * 2, Qt::NoButton, Qt::NoButton);
        QCOMPARE(window.pos(), expected);
    }
};

QTEST_MAIN(MoveFilterTest)
#include "tst_movefilter.moc"
