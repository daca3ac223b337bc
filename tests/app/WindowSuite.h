#pragma once

// What the suites of the real windows share: X clients, a window manager, the
// web engine's start and, for the main window, its parts found by name.

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QWidget>
#include <QtTest>

// Runs an X client to its end and returns what it printed.
inline QString runX(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

// Keys and clicks through the X server, as a user's: Qt routes them to
// whatever has the focus.
inline bool pressKey(const QString &key) { return QProcess::execute(QStringLiteral("xdotool"), {"key", key}) == 0; }
inline bool clickAt(const QPoint &at)
{
    return QProcess::execute(QStringLiteral("xdotool"), {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}) == 0;
}

inline bool windowManagerRuns() { return runX("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }

// Debian's small window manager on the test's display, for as long as it lives.
struct WindowManager {
    WindowManager()
    {
        mProcess.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        running = mProcess.waitForStarted() && QTest::qWaitFor(windowManagerRuns, 10000) && managesWindows();
    }
    // Openbox announces itself before it has finished starting, and a window
    // mapped in between is never shown. A probe, mapped again until it shows,
    // tells when the manager really handles windows.
    static bool managesWindows()
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            QWidget probe;
            probe.resize(40, 40);
            probe.show();
            if (QTest::qWaitForWindowExposed(&probe, 5000))
                return true;
        }
        return false;
    }
    ~WindowManager()
    {
        mProcess.terminate();
        mProcess.waitForFinished();
    }
    QProcess mProcess;
    bool running = false;
};

// As in the program, the map's web engine shares OpenGL contexts with the
// widgets, which must be asked for before the application object exists.
#define VANTREL_WINDOW_TEST_MAIN(Suite)                                                                                        \
    int main(int argc, char *argv[])                                                                                           \
    {                                                                                                                          \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                                            \
        QApplication application(argc, argv);                                                                                  \
        Suite test;                                                                                                            \
        return QTest::qExec(&test, argc, argv);                                                                                \
    }

#ifdef VANTREL_DEMO_DIR
#include "MainWindows.h"
#include "MapQuery.h"
#include "PlayAreaManager.h"
#include "PlaybackController.h"
#include "PlayerWidget.h"

inline QUrl demoUrl(const QString &name) { return QUrl::fromLocalFile(QStringLiteral(VANTREL_DEMO_DIR "/") + name); }

#ifdef VANTREL_MAKE_DEMO
// `seconds` of a demo drive from its second `start`, at 10 frames a second, as `folder/stemF.MP4` (front
// camera, gps0 records) or `stemR.MP4` (rear, a gps table).
inline bool makeRecording(const QString &folder, const QString &stem, int drive, int start, int seconds, bool rear)
{
    return QProcess::execute(VANTREL_MAKE_DEMO, {"--ffmpeg", VANTREL_FFMPEG, "--trip", QString::number(drive), "--camera", rear ? "rear" : "front",
                                                 "--start", QString::number(start), "--seconds", QString::number(seconds), "--fps", "10",
                                                 "--layout", rear ? "gps-table" : "gps0", QString("%1/%2%3.MP4").arg(folder, stem, rear ? "R" : "F")}) == 0;
}
#endif

// A suite of the main window: its parts by their names and its playback.
class WindowSuite : public QObject
{
protected:
    template<class T = QLabel> T *child(const char *name) const { return mWindow->findChild<T *>(name); }
    QString text(const char *label) const { return child(label)->text(); }
    PlayAreaManager *area() const { return child<PlayAreaManager>("wgt_PlayArea"); }
    PlaybackController *playback() const { return mWindow->playback(); }
    MapWebView *map() const { return child<MapWebView>("wgt_MapView"); }
    QUrl playedUrl() const { return area()->media().request().url(); }
    void openDemo(const QStringList &names)
    {
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << demoUrl(name);
        mWindow->openFiles(urls);
    }
    bool waitUntilPlaying() const
    {
        return QTest::qWaitFor([this] { return area()->mainPlayer()->player()->state() == QMediaPlayer::PlayingState; }, 15000);
    }
    // A new window, on screen and active.
    bool showWindow()
    {
        mWindow.reset(new MainWindows);
        mWindow->show();
        if (!QTest::qWaitForWindowExposed(mWindow.data()))
            return false;
        mWindow->activateWindow();
        // The map's web view is made once the window has been painted.
        return QTest::qWaitForWindowActive(mWindow.data())
            && QTest::qWaitFor([this] { return child<QWidget>("wgt_MapView"); }, 10000);
    }
    QScopedPointer<MainWindows> mWindow;
};
#endif
