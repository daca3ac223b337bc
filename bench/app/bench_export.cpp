// An export of a stretch of the demo drive, started from the real main window
// as the dialog would start it, while a heartbeat timer measures how long the
// event loop is held up: the longest gap between two beats is the longest
// time the window could not repaint or react during the export. Reports,
// asserts nothing.
//
//   bench_export <demo folder> [seconds] [side-by-side|copy]
//
// "copy" cuts the first seconds of the first clip without the overlay, which
// copies the streams instead of encoding them.
//
// Run it under Xvfb; with-sound-server.sh gives it the sound server a desktop has.
#include "ApplicationIdentity.h"
#include "BenchEventLoop.h"
#include "ExportPlanner.h"
#include "ExportQueue.h"
#include "ImageResources.h"
#include "MainWindows.h"
#include "PlaybackController.h"
#include "PlaylistModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int beatMs = 5;
constexpr int loadTimeoutMs = 60000;

struct Heartbeat
{
    QElapsedTimer clock;
    qint64 lastBeat = 0;
    qint64 longestGap = 0;
    int longGaps = 0;   // gaps over 50 ms

    void beat()
    {
        const qint64 now = clock.elapsed();
        longestGap = qMax(longestGap, now - lastBeat);
        longGaps += now - lastBeat > 50 ? 1 : 0;
        lastBeat = now;
    }
    qint64 takeLongestGap()
    {
        beat();
        const qint64 gap = longestGap;
        longestGap = 0;
        longGaps = 0;
        return gap;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: bench_export <demo folder> [seconds] [side-by-side|copy]\n");
        return 2;
    }
    const QDir demo(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    const int seconds = argc > 2 ? qBound(1, atoi(argv[2]), 120) : 60;
    const QByteArray mode = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    const bool sideBySide = mode == "side-by-side", copy = mode == "copy";
    ImageResources::initialise();
    ApplicationIdentity::apply(QStringLiteral("Fenmora"));
    qInstallMessageHandler(BenchEventLoop::dropDebugLines);
    QTemporaryDir out;

    auto *window = new MainWindows;
    window->show();
    auto *model = qobject_cast<PlaylistModel *>(window->findChild<QTableView *>(QStringLiteral("tbl_PlayListView"))->model());
    QList<QUrl> urls;
    for (const char *name : {"20261206_101500F.MP4", "20261206_101500R.MP4", "20261206_101600F.MP4", "20261206_101600R.MP4"})
        urls << QUrl::fromLocalFile(demo.filePath(QLatin1String(name)));
    window->openLaunchFiles(urls);
    BenchEventLoop::runUntil([model] { return !model->trips().isEmpty() && model->trips().first().clips.size() >= 2; },
                             loadTimeoutMs);
    if (model->trips().isEmpty()) {
        fprintf(stderr, "the demo drive made no trip\n");
        return 1;
    }
    // The drive plays on while it is exported, as it would for a user.
    BenchEventLoop::runFor(3000);

    // The stretch starts in the first clip and runs into the second.
    const int from = copy ? 0 : 30;
    ExportRequest request = ExportPlanner::request(*model, 0, from, from + seconds);
    request.layout = sideBySide ? ExportLayout::SideBySide : ExportLayout::MainOnly;
    request.overlay = !copy;
    request.outputPath = out.filePath(QStringLiteral("bench.mp4"));

    Heartbeat heartbeat;
    heartbeat.clock.start();
    QTimer beats;
    QObject::connect(&beats, &QTimer::timeout, [&heartbeat] { heartbeat.beat(); });
    beats.start(beatMs);
    BenchEventLoop::runFor(1000);
    const qint64 idleGap = heartbeat.takeLongestGap();

    bool done = false, ok = false;
    QString message;
    QObject::connect(window->exports(), &ExportQueue::finished, [&](const QString &, bool success, const QString &why) {
        done = true;
        ok = success;
        message = why;
    });
    QElapsedTimer exporting;
    exporting.start();
    window->exports()->enqueue(request);
    BenchEventLoop::runUntil([&done] { return done; }, 600000);
    const qint64 exportMs = exporting.elapsed();
    const int longGaps = heartbeat.longGaps;
    const qint64 exportGap = heartbeat.takeLongestGap();

    printf("export of %d s (%s, standard preset): %s in %lld ms (%.2fx real time)%s%s\n", request.durationSeconds(),
           sideBySide ? "side by side, overlay" : copy ? "main camera only, stream copy" : "main camera only, overlay", ok ? "done" : "FAILED", exportMs,
           double(request.durationSeconds()) * 1000.0 / qMax<qint64>(exportMs, 1), ok ? "" : ": ", qPrintable(message));
    printf("GUI thread, longest event-loop stall (beat %d ms): idle, playing %lld ms; during the export %lld ms, %d stalls over 50 ms\n",
           beatMs, idleGap, exportGap, longGaps);
    window->close();
    delete window;
    return ok ? 0 : 1;
}
