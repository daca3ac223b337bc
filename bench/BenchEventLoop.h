#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>

// What the benchmarks that run an event loop share: the program's debug
// chatter left out of their reports, and the loop run for a while or until
// something holds. The loop sleeps between events: a loop of
// processEvents(WaitForMoreEvents, ms) calls does not (Qt drops the wait
// flag there), so it spins a core and spoils every processor figure.
namespace BenchEventLoop {

inline void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

inline void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Looks at `done` every few milliseconds; returns whether it held in time.
inline bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QElapsedTimer waited;
    waited.start();
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() >= timeoutMs)
            loop.quit();
    });
    look.start(5);
    loop.exec();
    return done();
}

} // namespace BenchEventLoop
