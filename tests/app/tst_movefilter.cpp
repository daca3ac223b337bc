#include "HeaderText.h"
#include "MoveFilter.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::MouseButton)

// Mouse events with explicit global positions, sent as the platform would.
class Mouse
{
public:
    explicit Mouse(QWidget *receiver) : mReceiver(receiver) {}

    void press(const QPoint &global, Qt::MouseButton button = Qt::LeftButton)
    {
        mButtons |= button;
        send(QEvent::MouseButtonPress, global, button);
    }
    void release(const QPoint &global, Qt::MouseButton button = Qt::LeftButton)
    {
        mButtons &= ~button;
        send(QEvent::MouseButtonRelease, global, button);
    }
    void moveTo(const QPoint &global) { send(QEvent::MouseMove, global, Qt::NoButton); }
    void doubleClick(const QPoint &global)
    {
        press(global);
        release(global);
        send(QEvent::MouseButtonDblClick, global, Qt::LeftButton);
        release(global);
    }
    // Forget the buttons without telling anyone, as when the release went
    // to another window.
    void loseButtons() { mButtons = Qt::NoButton; }

private:
    void send(QEvent::Type type, const QPoint &global, Qt::MouseButton button)
    {
        const QPoint local = mReceiver->mapFromGlobal(global);
        QMouseEvent event(type, local, local, global, button, mButtons, Qt::NoModifier);
        QApplication::sendEvent(mReceiver, &event);
    }

    QWidget *mReceiver;
    Qt::MouseButtons mButtons;
};

class MoveFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void installMakesWindowFrameless();
    void dragMovesByMouseDelta_data();
    void dragMovesByMouseDelta();
    void anyReleaseEndsDrag_data();
    void anyReleaseEndsDrag();
    void doubleClickIsReported_data();
    void doubleClickIsReported();

    void headerTextFitsLabel_data();
    void headerTextFitsLabel();

private:
    QPoint windowPos() const { return mWindow->pos(); }
    void showNormalAt(const QPoint &pos);

    QScopedPointer<QWidget> mWindow;
    MoveFilter *mFilter = nullptr;
};

void MoveFilterTest::init()
{
    mWindow.reset(new QWidget);
    mWindow->resize(400, 300);
    mFilter = MoveFilter::install(mWindow.data(), mWindow.data());
    showNormalAt(QPoint(100, 100));
}

void MoveFilterTest::cleanup()
{
    mWindow.reset();
}

void MoveFilterTest::showNormalAt(const QPoint &pos)
{
    mWindow->showNormal();
    mWindow->move(pos);
    QVERIFY(QTest::qWaitForWindowExposed(mWindow.data()));
    QTRY_COMPARE(mWindow->pos(), pos);
}

void MoveFilterTest::installMakesWindowFrameless()
{
    QCOMPARE(int(mWindow->windowFlags()), 0x6801);
    QVERIFY(mWindow->isWindow());
    QCOMPARE(mFilter->parent(), mWindow.data());
    QVERIFY(!mFilter->isDragging());
}

void MoveFilterTest::dragMovesByMouseDelta_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<bool>("moves");

    QTest::newRow("left drag") << Qt::LeftButton << false << QPoint(37, -22) << true;
    QTest::newRow("right button") << Qt::RightButton << false << QPoint(37, -22) << false;
    QTest::newRow("maximised") << Qt::LeftButton << true << QPoint(37, -22) << false;
}

void MoveFilterTest::dragMovesByMouseDelta()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, maximised);
    QFETCH(QPoint, delta);
    QFETCH(bool, moves);

    if (maximised) {
        mWindow->showMaximized();
        QTRY_VERIFY(mWindow->isMaximized());
    }
    const QPoint start = windowPos();
    const QPoint grabbed = start + QPoint(150, 12);
    Mouse mouse(mWindow.data());

    mouse.press(grabbed, button);
    QCOMPARE(mFilter->isDragging(), moves);
    // Two steps: each one places the window from the grab, not from the last step.
    mouse.moveTo(grabbed + delta / 2);
    mouse.moveTo(grabbed + delta);
    const QPoint expected = moves ? start + delta : start;
    QTRY_COMPARE(windowPos(), expected);
    // The grabbed point is still under the cursor.
    if (moves)
        QCOMPARE(grabbed + delta - windowPos(), grabbed - start);

    mouse.release(grabbed + delta, button);
    QVERIFY(!mFilter->isDragging());
    mouse.moveTo(grabbed + delta * 2);
    QCOMPARE(windowPos(), expected);
}

void MoveFilterTest::anyReleaseEndsDrag_data()
{
    QTest::addColumn<QString>("ending");

    QTest::newRow("right button released") << QStringLiteral("right");
    QTest::newRow("released while maximised") << QStringLiteral("maximised");
    QTest::newRow("release went elsewhere") << QStringLiteral("lost");
}

void MoveFilterTest::anyReleaseEndsDrag()
{
    QFETCH(QString, ending);

    const QPoint start = windowPos();
    const QPoint grabbed = start + QPoint(20, 20);
    Mouse mouse(mWindow.data());
    mouse.press(grabbed);
    QVERIFY(mFilter->isDragging());

    if (ending == QLatin1String("right")) {
        mouse.press(grabbed, Qt::RightButton);
        mouse.release(grabbed, Qt::RightButton);
        QVERIFY(!mFilter->isDragging());
    } else if (ending == QLatin1String("maximised")) {
        mWindow->showMaximized();
        QTRY_VERIFY(mWindow->isMaximized());
        mouse.release(grabbed);
        QVERIFY(!mFilter->isDragging());
        mouse.press(grabbed); // the left button goes down again, on a maximised window
        showNormalAt(start);
    } else {
        // Only a window that tracks the mouse sees moves without a button.
        mWindow->setMouseTracking(true);
        mouse.loseButtons();
    }

    // The window does not follow the mouse any more.
    mouse.moveTo(grabbed + QPoint(50, 50));
    QVERIFY(!mFilter->isDragging());
    QCOMPARE(windowPos(), start);
}

void MoveFilterTest::doubleClickIsReported_data()
{
    QTest::addColumn<bool>("maximised");

    QTest::newRow("normal") << false;
    QTest::newRow("maximised") << true;
}

void MoveFilterTest::doubleClickIsReported()
{
    QFETCH(bool, maximised);

    if (maximised) {
        mWindow->showMaximized();
        QTRY_VERIFY(mWindow->isMaximized());
    }
    QSignalSpy doubleClicked(mFilter, &MoveFilter::doubleClicked);
    const QPoint start = windowPos();
    Mouse mouse(mWindow.data());
    mouse.doubleClick(start + QPoint(40, 10));
    QCOMPARE(doubleClicked.count(), 1);
    QVERIFY(!mFilter->isDragging());
    QCOMPARE(windowPos(), start);
}

void MoveFilterTest::headerTextFitsLabel_data()
{
    QTest::addColumn<bool>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("elided");

    const QString longName = QStringLiteral("20261206_101500F_a_very_long_recording_name_from_the_front_camera.MP4");
    QTest::newRow("short title") << true << QStringLiteral("Vantrel V1.6 20200221") << false;
    QTest::newRow("long title") << true << longName << true;
    QTest::newRow("long file name") << false << longName << true;
    QTest::newRow("empty file name") << false << QString() << false;
}

void MoveFilterTest::headerTextFitsLabel()
{
    QFETCH(bool, title);
    QFETCH(QString, text);
    QFETCH(bool, elided);

    QLabel label;
    label.setFixedWidth(220);
    if (title)
        HeaderText::setTitle(&label, text);
    else
        HeaderText::setFileName(&label, text);

    const QFont font = label.font();
    QCOMPARE(font.family(), title ? QStringLiteral("Arial") : QStringLiteral("Calibri"));
    QCOMPARE(font.pixelSize(), title ? 15 : 13);
    QCOMPARE(font.weight(), title ? 75 : int(QFont::Normal));

    const QString shown = label.text();
    if (!elided) {
        QCOMPARE(shown, text);
        return;
    }
    QVERIFY(QFontMetrics(font).horizontalAdvance(shown) <= label.width());
    const int ellipsis = shown.indexOf(QChar(0x2026));
    QVERIFY2(ellipsis > 0 && ellipsis < shown.size() - 1, qPrintable(shown));
    // Both ends of the name stay readable.
    QVERIFY(text.startsWith(shown.left(ellipsis)));
    QVERIFY(text.endsWith(shown.mid(ellipsis + 1)));
}

QTEST_MAIN(MoveFilterTest)
#include "tst_movefilter.moc"
