// Time and bytes read for one container walk, from opening the file to the
// VideoInfo and layout, for the recordings a camera really writes.
#include "AVIParser.h"
#include "BenchFiles.h"
#include "Mp4Parser.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qint64 fourGigabytes = 4ll << 30;

template<typename Parser>
void walk(benchmark::State &state, const QString &path)
{
    qint64 bytesRead = 0;
    quint32 records = 0;
    for (auto _ : state) {
        Parser parser(path);
        benchmark::DoNotOptimize(parser.videoInfo());
        bytesRead = parser.bytesRead();
        records = parser.records();
    }
    state.counters["bytesRead"] = double(bytesRead);
    state.counters["records"] = records;
}

} // namespace

int main(int argc, char **argv)
{
    BenchFiles::silenceQtMessages();
    QTemporaryDir dir;
    const QString mp4 = dir.filePath("sparse-4GB.mp4");
    const QString gpsl = dir.filePath("gpsl-1min.avi");
    const QString audio = dir.filePath("audio-1min.avi");
    if (!dir.isValid() || !BenchFiles::writeSparseMp4(mp4, fourGigabytes, 3601)
        || !BenchFiles::writeGpslAvi(gpsl) || !BenchFiles::writeAudioChunkAvi(audio, 60))
        return 1;

    benchmark::RegisterBenchmark("Walk/Mp4Sparse4GB_GpsBox", walk<Mp4Parser>, mp4);
    benchmark::RegisterBenchmark("Walk/AviGpsl_1min", walk<AVIParser>, gpsl);
    benchmark::RegisterBenchmark("Walk/AviAudioChunks_1min", walk<AVIParser>, audio);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
