// A whole memory card opened at once: the time addFile holds the GUI thread
// for each of 1,000 files (every call starts a parse worker thread), and the
// time the model takes to stop and wait for all those workers when it goes.
#include "BenchEventLoop.h"
#include "Mp4Sample.h"
#include "PlaylistModel.h"
#include "SampleRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int cardFiles = 1000;
constexpr int recordedSeconds = 61;
constexpr int deliveryTimeoutMs = 60000;

std::vector<QUrl> cardUrls;

bool writeCard(const QTemporaryDir &dir)
{
    const QVector<GpsRecord> records = straightDrive(recordedSeconds);
    for (int i = 0; i < cardFiles; ++i) {
        const QString name = QStringLiteral("20261206_%1F.MP4").arg(i, 6, 10, QLatin1Char('0'));
        const QString path = dir.filePath(name);
        if (!Mp4Sample().movie(1000, recordedSeconds * 1000).videoTrack(1280, 720).gps0(records)
                 .write(path))
            return false;
        cardUrls.push_back(QUrl::fromLocalFile(path));
    }
    return true;
}

// Processes events until every row's video information has arrived.
bool waitForVideoInfo(PlaylistModel &model)
{
    int arrived = 0;
    const auto connection = QObject::connect(&model, &QAbstractItemModel::dataChanged,
                                             [&arrived] { ++arrived; });
    BenchEventLoop::runUntil([&] { return arrived >= model.rowCount(); }, deliveryTimeoutMs);
    QObject::disconnect(connection);
    return arrived == model.rowCount();
}

void BM_AddFile(benchmark::State &state)
{
    qint64 allAddsNs = 0;
    qint64 slowestNs = 0;
    for (auto _ : state) {
        auto model = std::make_unique<PlaylistModel>();
        QElapsedTimer call;
        qint64 cardNs = 0;
        for (const QUrl &url : cardUrls) {
            call.start();
            benchmark::DoNotOptimize(model->addFile(url));
            const qint64 ns = call.nsecsElapsed();
            cardNs += ns;
            slowestNs = std::max(slowestNs, ns);
        }
        state.SetIterationTime(cardNs / 1e9);
        allAddsNs += cardNs;
        model.reset();
    }
    const double adds = double(state.iterations()) * cardFiles;
    state.counters["us_per_add"] = allAddsNs / 1e3 / adds;
    state.counters["slowest_add_us"] = slowestNs / 1e3;
}
BENCHMARK(BM_AddFile)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Argument 0: destroyed right after the adds, workers still walking.
// Argument 1: destroyed once every worker has reported and sits idle.
void BM_DestroyModel(benchmark::State &state)
{
    const bool settled = state.range(0) == 1;
    for (auto _ : state) {
        auto model = std::make_unique<PlaylistModel>();
        for (const QUrl &url : cardUrls)
            model->addFile(url);
        if (settled && !waitForVideoInfo(*model)) {
            state.SkipWithError("video information did not arrive");
            break;
        }
        QElapsedTimer teardown;
        teardown.start();
        model.reset();
        state.SetIterationTime(teardown.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_DestroyModel)->Arg(0)->Arg(1)->ArgName("settled")->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(BenchEventLoop::dropDebugLines);
    QTemporaryDir card;
    if (!card.isValid() || !writeCard(card)) {
        fprintf(stderr, "cannot write the recordings\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
