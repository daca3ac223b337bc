// A memory card's worth of clips (1,000 files, or the number given; trips of
// an hour) opened through the open dialog's path in the real main window,
// while a heartbeat timer measures how
// long the event loop is held up: the longest gap between two beats is the
// longest time the window could not repaint or react. Then how long until
// every track is decoded and the trips listed, what the tracks hold, and the
// processor time of the paused window over ten seconds afterwards. Reports,
// asserts nothing.
//
//   bench_open_folder [clips] [recording]
//
// Run it under Xvfb; with-sound-server.sh gives it the sound server a desktop has.
#include "ApplicationIdentity.h"
#include "BenchEventLoop.h"
#include "ImageResources.h"
#include "MainWindows.h"
#include "Mp4Sample.h"
#include "PlaylistModel.h"
#include "PlayAreaManager.h"
#include "PlaylistRow.h"
#include "SampleRecord.h"
#include "TrackPoint.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int defaultCardFiles = 1000;
int cardFiles = defaultCardFiles;
constexpr int recordedSeconds = 61;
constexpr int beatMs = 5;
constexpr int fillTimeoutMs = 120000;

constexpr int clipsPerTrip = 60;
constexpr int secondsBetweenTrips = 1800;

// When clip `index` starts, in seconds after the card's first: an hour of
// one-minute clips a trip, half an hour between trips, as a day's driving.
int clipStart(int index)
{
    return index * 60 + index / clipsPerTrip * secondsBetweenTrips;
}

// A clip's records go on with the drive from where the last clip ended.
QVector<GpsRecord> clipRecords(int index)
{
    const QDateTime cardStart(QDate(2026, 12, 6), QTime(10, 15, 0), Qt::UTC);
    QVector<GpsRecord> records;
    for (int second = clipStart(index); second < clipStart(index) + recordedSeconds - 1; ++second)
        records.append(SampleRecord::fix(40.70 + second * 0.0001, -74.0 + second * 0.0001, 40 + second % 20,
                                         cardStart.addSecs(second).toString("yyyyMMddhhmmss").toLatin1())
                           .stored());
    return records;
}

// When a real recording is given (the demo drive's first minute starts at
// the card's first second), the first clip is a hard link to it so that
// the player really plays it and its trip; the others are written clips,
// whose video the player is never asked to decode.
QList<QUrl> writeCard(const QTemporaryDir &dir, const QString &recording)
{
    QList<QUrl> urls;
    for (int i = 0; i < cardFiles; ++i) {
        const QString path = dir.filePath(QStringLiteral("20261206_%1F.MP4").arg(i, 6, 10, QLatin1Char('0')));
        const bool written = i == 0 && !recording.isEmpty()
            ? ::link(QFile::encodeName(recording).constData(), QFile::encodeName(path).constData()) == 0
            : Mp4Sample().movie(1000, recordedSeconds * 1000).videoTrack(1280, 720).gps0(clipRecords(i)).write(path);
        if (!written)
            return {};
        urls << QUrl::fromLocalFile(path);
    }
    return urls;
}

// The longest gap between beats within each phase of the run.
struct Heartbeat
{
    QElapsedTimer clock;
    qint64 lastBeat = 0;
    qint64 longestGap = 0;

    void beat()
    {
        const qint64 now = clock.elapsed();
        longestGap = qMax(longestGap, now - lastBeat);
        lastBeat = now;
    }
    qint64 takeLongestGap()
    {
        beat();
        const qint64 gap = longestGap;
        longestGap = 0;
        return gap;
    }
};

// What the process holds, as the kernel counts it.
struct Holdings
{
    int threads = 0;
    int descriptors = 0;
    qint64 rssKb = 0;
};

Holdings holdings()
{
    Holdings held;
    held.descriptors = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size();
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 2 && fields[0] == "Threads:")
                held.threads = fields[1].toInt();
            else if (fields.size() >= 2 && fields[0] == "VmRSS:")
                held.rssKb = fields[1].toLongLong();
        }
    }
    return held;
}

void printHoldings(const char *when, const Holdings &held)
{
    printf("%s: %d threads, %d open descriptors, RSS %lld MB\n", when, held.threads, held.descriptors,
           held.rssKb / 1024);
}

int filledRows(const PlaylistModel &model)
{
    int filled = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        filled += model.rowAt(row)->duration > 0 ? 1 : 0;
    return filled;
}

int trackedRows(const PlaylistModel &model, qint64 &points)
{
    int tracked = 0;
    points = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (const TelemetryTrack *track = model.trackOf(model.rowAt(row)->id)) {
            ++tracked;
            points += track->size();
        }
    }
    return tracked;
}

// User and system time of this process so far, in clock ticks.
qint64 processorTicks()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();  // utime, stime
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Another number of clips may be given, for comparison with one, and a
    // real recording on the same file system to link them to.
    if (argc > 1)
        cardFiles = qMax(1, atoi(argv[1]));
    const QString recording = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() : QString();
    ImageResources::initialise();
    ApplicationIdentity::apply(QStringLiteral("Fenmora"));
    qInstallMessageHandler(BenchEventLoop::dropDebugLines);

    // Hard links need the card on the recording's file system.
    const QString cardParent = recording.isEmpty() ? QDir::tempPath() : QFileInfo(recording).absolutePath();
    QTemporaryDir card(cardParent + QStringLiteral("/card-XXXXXX"));
    const QList<QUrl> urls = writeCard(card, recording);
    if (urls.size() != cardFiles) {
        fprintf(stderr, "could not write the clips\n");
        return 1;
    }

    auto *windowPointer = new MainWindows;
    MainWindows &window = *windowPointer;
    window.show();
    auto *model = qobject_cast<PlaylistModel *>(window.findChild<QTableView *>(QStringLiteral("tbl_PlayListView"))->model());

    Heartbeat heartbeat;
    heartbeat.clock.start();
    QTimer beats;
    QObject::connect(&beats, &QTimer::timeout, [&heartbeat] { heartbeat.beat(); });
    beats.start(beatMs);
    // The user picks the files a few seconds after the window shows; by
    // then the map page has loaded.
    BenchEventLoop::runFor(3000);
    const qint64 idleGap = heartbeat.takeLongestGap();
    const Holdings before = holdings();

    QElapsedTimer opening;
    opening.start();
    window.openFiles(urls);
    const qint64 openCallMs = opening.elapsed();
    const qint64 openGap = heartbeat.takeLongestGap();

    QElapsedTimer filling;
    filling.start();
    BenchEventLoop::runUntil([&] { return model->rowCount() >= cardFiles && filledRows(*model) == model->rowCount(); },
                             fillTimeoutMs);
    const qint64 fillMs = filling.elapsed();
    const qint64 fillGap = heartbeat.takeLongestGap();
    const Holdings filled = holdings();
    BenchEventLoop::runFor(1000);
    const qint64 afterGap = heartbeat.takeLongestGap();
    const Holdings played = holdings();

    qint64 points = 0;
    BenchEventLoop::runUntil([&] { return trackedRows(*model, points) == model->rowCount(); }, fillTimeoutMs);
    // The trips are built once a turn as tracks arrive: one more turn lists them.
    QCoreApplication::processEvents();
    const qint64 tracksMs = opening.elapsed();
    const qint64 tracksGap = heartbeat.takeLongestGap();
    const int trips = model->trips().size();
    window.findChild<PlayAreaManager *>(QStringLiteral("wgt_PlayArea"))->pause();
    BenchEventLoop::runFor(2000);
    beats.stop();  // the heartbeat itself would be counted
    const qint64 ticksBefore = processorTicks();
    BenchEventLoop::runFor(10000);
    const double idlePercent = 100.0 * double(processorTicks() - ticksBefore) / double(sysconf(_SC_CLK_TCK)) / 10.0;

    printf("clips: %d, rows listed: %d, rows with video information: %d\n", cardFiles,
           model->rowCount(), filledRows(*model));
    printf("longest event-loop stall, idle window (beat %d ms): %lld ms\n", beatMs, idleGap);
    printf("openFiles call: %lld ms (longest stall %lld ms)\n", openCallMs, openGap);
    printf("rows filling: %lld ms until all rows had their duration, longest stall %lld ms\n",
           fillMs, fillGap);
    printf("afterwards, 1 s of playback: longest stall %lld ms\n", afterGap);
    printf("every track decoded and %d trips listed %lld ms after opening, longest stall %lld ms\n",
           trips, tracksMs, tracksGap);
    printf("tracks: %lld points of %zu bytes = %.1f MB\n", points, sizeof(TrackPoint),
           double(points) * double(sizeof(TrackPoint)) / 1e6);
    printf("paused afterwards: %.2f %% of a core over 10 s\n", idlePercent);
    printHoldings("before opening", before);
    printHoldings("all rows filled", filled);
    printHoldings("1 s later", played);

    // Closing as the user does, then the window's teardown.
    QElapsedTimer closing;
    closing.start();
    window.close();
    const qint64 hiddenMs = closing.elapsed();
    delete windowPointer;
    printf("close: hidden after %lld ms, window torn down after %lld ms\n", hiddenMs, closing.elapsed());
    return 0;
}
