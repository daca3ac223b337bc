#include "Configuration.h"
#include "MoveFilter.h"
#include "Setting.h"

#include "WindowSuite.h"

namespace {

// Where the X server really shows a window, asked of the server, not of Qt.
QPoint screenPosition(const QWidget &window)
{
    const QString info = runX(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
    const auto field = [&info](const char *name) { return QRegularExpression(QStringLiteral("%1:\\s*(-?\\d+)").arg(name)).match(info).captured(1).toInt(); };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y")};
}

// The real pointer: press the left button at `from`, move in steps, release at `to`.
void dragPointer(const QPoint &from, const QPoint &to)
{
    const auto xdotool = [](const QStringList &arguments) {
        runX(QStringLiteral("xdotool"), arguments);
        QTest::qWait(50);
    };
    xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())});
    xdotool({"mousedown", "1"});
    for (int step = 1; step <= 5; ++step) {
        const QPoint at = from + (to - from) * step / 5;
        xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    }
    xdotool({"mouseup", "1"});
}

} // namespace

// The frameless windows dragged with the real pointer on an X server, once
// bare and once under a window manager that reparents and places them.
class WindowDragTest : public QObject
{
    Q_OBJECT
    QTemporaryDir mDir;
    QScopedPointer<WindowManager> mWindowManager;

private slots:

    void windowFollowsThePointer_data()
    {
        QTest::addColumn<bool>("managed");
        QTest::addColumn<bool>("dialog"); // the settings dialog over a window, or that window
        QTest::addColumn<QPoint>("delta");
        // Rows without a window manager first: the manager, once started, stays.
        QTest::newRow("bare dialog") << false << true << QPoint(-50, 50);
        QTest::newRow("managed window") << true << false << QPoint(40, 25);
        QTest::newRow("managed dialog") << true << true << QPoint(-50, 50);
    }
    void windowFollowsThePointer()
    {
        QFETCH(bool, managed);
        QFETCH(bool, dialog);
        QFETCH(QPoint, delta);
        if (managed && !mWindowManager) {
            mWindowManager.reset(new WindowManager);
            QVERIFY2(mWindowManager->running, "openbox did not start");
        }
        QCOMPARE(windowManagerRuns(), managed);

        QWidget main;
        MoveFilter::install(&main, &main);
        main.resize(700, 500);
        main.move(150, 120);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main, 20000)); // a window manager just started may be slow to map it
        Configuration configuration(mDir.filePath(QStringLiteral("configuration.ini")));
        QScopedPointer<Setting> settings;
        QWidget *window = &main;
        if (dialog) {
            settings.reset(new Setting(&configuration, &main));
            settings->open();
            QVERIFY(QTest::qWaitForWindowExposed(settings.data(), 20000));
            window = settings.data();
        }
        // Let the window manager place the window before it is grabbed.
        QTest::qWait(500);
        const QPoint start = screenPosition(*window);
        // Bare background beside the dialog's title and the main window's top.
        const QPoint grab = start + QPoint(200, 20);
        dragPointer(grab, grab + delta);
        QTRY_COMPARE_WITH_TIMEOUT(screenPosition(*window), start + delta, 5000);
    }
};

QTEST_MAIN(WindowDragTest)
#include "tst_windowdrag.moc"
