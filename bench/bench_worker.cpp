// The parse worker as the player uses it: a request for a second answered by
// a sample delivered to the GUI thread's event loop, and a whole memory card
// of workers started, left idle and destroyed at once.
#include "BenchEventLoop.h"
#include "BenchFiles.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"
#include "VideoParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int recordedSeconds = 3601;
constexpr int workerCount = 1000;
constexpr int idleWindowMs = 5000;
constexpr int deliveryTimeoutMs = 30000;

QTemporaryDir *scratch = nullptr;

QString writeRecording(const QString &name, int seconds)
{
    const QString path = scratch->filePath(name);
    Mp4Sample().movie(1000, seconds * 1000).videoTrack(1280, 720).gps0(straightDrive(seconds))
        .write(path);
    return path;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[size_t(fraction * double(values.size() - 1))];
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void SecondToSample(benchmark::State &state)
{
    VideoParser worker;
    QObject receiver;
    bool infoArrived = false;
    bool sampleArrived = false;
    QObject::connect(&worker, &VideoParser::videoInfoChanged, &receiver,
                     [&] { infoArrived = true; }, Qt::QueuedConnection);
    QObject::connect(&worker, &VideoParser::gpsDataChanged, &receiver,
                     [&] { sampleArrived = true; }, Qt::QueuedConnection);
    worker.startParsing(QUrl::fromLocalFile(writeRecording("latency.mp4", recordedSeconds)), 1);
    BenchEventLoop::runUntil([&] { return infoArrived; }, deliveryTimeoutMs);

    std::vector<double> latencies;
    int second = 0;
    for (auto _ : state) {
        sampleArrived = false;
        QElapsedTimer timer;
        timer.start();
        worker.setSecond(second);
        if (!BenchEventLoop::runUntil([&] { return sampleArrived; }, deliveryTimeoutMs))
            state.SkipWithError("no sample delivered");
        const double seconds = timer.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        latencies.push_back(seconds * 1e6);
        second = (second + 1) % (recordedSeconds - 1);
    }
    state.counters["median_us"] = percentile(latencies, 0.5);
    state.counters["p95_us"] = percentile(latencies, 0.95);
}

void ThousandWorkers(benchmark::State &state)
{
    QStringList paths;
    for (int i = 0; i < workerCount; ++i)
        paths << writeRecording(QString("card-%1.mp4").arg(i), 3);

    for (auto _ : state) {
        QObject receiver;
        int delivered = 0;
        int failed = 0;
        std::vector<VideoParser *> workers;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < workerCount; ++i) {
            auto *worker = new VideoParser;
            QObject::connect(worker, &VideoParser::videoInfoChanged, &receiver,
                             [&](int, VideoInfo info) {
                                 ++delivered;
                                 failed += info.width != 1280;
                             }, Qt::QueuedConnection);
            worker->startParsing(QUrl::fromLocalFile(paths[i]), i);
            workers.push_back(worker);
        }
        BenchEventLoop::runUntil([&] { return delivered == workerCount; }, deliveryTimeoutMs);
        const double allInfoMs = timer.nsecsElapsed() / 1e6;

        const double cpuBefore = processCpuSeconds();
        timer.restart();
        QEventLoop idle;
        QTimer::singleShot(idleWindowMs, &idle, &QEventLoop::quit);
        idle.exec();
        const double idleCpuPercent =
            100.0 * (processCpuSeconds() - cpuBefore) / (timer.nsecsElapsed() / 1e9);

        timer.restart();
        for (VideoParser *worker : workers)
            delete worker;
        const double destroyMs = timer.nsecsElapsed() / 1e6;

        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        state.SetIterationTime(allInfoMs / 1e3);
        state.counters["allInfo_ms"] = allInfoMs;
        state.counters["idleCpu_pct"] = idleCpuPercent;
        state.counters["destroy_ms"] = destroyMs;
        state.counters["failed"] = failed + (workerCount - delivered);
        state.counters["fileLimit"] = double(files.rlim_cur);
    }
}

} // namespace

BENCHMARK(SecondToSample)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ThousandWorkers)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    BenchFiles::silenceQtMessages();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    scratch = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
