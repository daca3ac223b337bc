// The cost of one getGpsData call for every layout: a table lookup plus one
// record read for the table kinds, one read for the packed kinds, and a
// chunk walk from the start of movi for AVI audio chunks.
#include "AVIParser.h"
#include "BenchFiles.h"
#include "Mp4Parser.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

// Cycles through every second the file serves, so each call reads anew.
void everySecond(benchmark::State &state, std::shared_ptr<ParserObject> parser)
{
    const int seconds = int(parser->records()) - 1;
    int second = 0;
    GpsData data;
    for (auto _ : state) {
        if (!parser->getGpsData(second, data))
            state.SkipWithError("no sample");
        second = (second + 1) % seconds;
    }
}

void oneSecond(benchmark::State &state, std::shared_ptr<ParserObject> parser, int second)
{
    GpsData data;
    const qint64 before = parser->bytesRead();
    for (auto _ : state) {
        if (!parser->getGpsData(second, data))
            state.SkipWithError("no sample");
    }
    state.counters["bytesPerSample"] =
        double(parser->bytesRead() - before) / double(std::max<int64_t>(state.iterations(), 1));
}

} // namespace

int main(int argc, char **argv)
{
    BenchFiles::silenceQtMessages();
    QTemporaryDir dir;
    const auto layouts = BenchFiles::writeMp4Layouts(dir.path());
    if (layouts.isEmpty())
        return 1;
    for (const auto &[name, path] : layouts)
        benchmark::RegisterBenchmark(("Sample/" + name).toStdString().c_str(), everySecond, std::make_shared<Mp4Parser>(path));

    const QString gpsl = dir.filePath("gpsl.avi");
    const QString minute = dir.filePath("audio-1min.avi");
    const QString hour = dir.filePath("audio-1h.avi");
    if (!BenchFiles::writeGpslAvi(gpsl) || !BenchFiles::writeAudioChunkAvi(minute, 60)
        || !BenchFiles::writeAudioChunkAvi(hour, 3601, 25, 40000))
        return 1;
    benchmark::RegisterBenchmark("Sample/GpslBlock", everySecond, std::make_shared<AVIParser>(gpsl));
    benchmark::RegisterBenchmark("Sample/AviAudioChunks_1min", everySecond,
                                 std::make_shared<AVIParser>(minute));
    benchmark::RegisterBenchmark("Sample/AviAudioChunks_1h_chunk3600", oneSecond,
                                 std::make_shared<AVIParser>(hour), 3599);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
