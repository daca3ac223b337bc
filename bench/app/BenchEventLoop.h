#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

// What the player-level benchmarks share: the program's debug chatter left
// out of their reports, and the event loop run for a while.
namespace BenchEventLoop {

inline void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

inline void runFor(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

} // namespace BenchEventLoop
