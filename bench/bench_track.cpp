// The whole-track pass of one file (decodeTrack) for a one-minute clip of
// every layout, and for a one-hour AVI with its records in audio chunks.
// The parser is walked once outside the loop: this is the decode alone.
#include "AVIParser.h"
#include "BenchFiles.h"
#include "Mp4Parser.h"
#include "TrackDecoder.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void wholeTrack(benchmark::State &state, std::shared_ptr<ParserObject> parser)
{
    qint64 points = 0;
    for (auto _ : state) {
        const TelemetryTrack track = decodeTrack(*parser);
        points = track.size();
        benchmark::DoNotOptimize(track.constData());
    }
    state.counters["points"] = double(points);
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
        benchmark::RegisterBenchmark(("Track/" + name + "_1min").toStdString().c_str(), wholeTrack, std::make_shared<Mp4Parser>(path));

    const QString gpsl = dir.filePath("gpsl.avi");
    const QString minute = dir.filePath("audio-1min.avi");
    const QString hour = dir.filePath("audio-1h.avi");
    if (!BenchFiles::writeGpslAvi(gpsl) || !BenchFiles::writeAudioChunkAvi(minute, 61)
        || !BenchFiles::writeAudioChunkAvi(hour, 3601, 25, 40000))
        return 1;
    benchmark::RegisterBenchmark("Track/GpslBlock_1min", wholeTrack, std::make_shared<AVIParser>(gpsl));
    benchmark::RegisterBenchmark("Track/AviAudioChunks_1min", wholeTrack, std::make_shared<AVIParser>(minute));
    benchmark::RegisterBenchmark("Track/AviAudioChunks_1h", wholeTrack, std::make_shared<AVIParser>(hour))
        ->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
