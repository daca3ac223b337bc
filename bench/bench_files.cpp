// Writes the recordings compare-info.sh times:
//   bench_files <dir>  ->  <dir>/sparse-4GB.mp4, <dir>/gpsl-1min.avi,
//                          <dir>/audio-1min.avi, <dir>/one-hour.mp4
#include "BenchFiles.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: bench_files <dir>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const bool written =
        QDir().mkpath(dir.path())
        && BenchFiles::writeSparseMp4(dir.filePath("sparse-4GB.mp4"), 4ll << 30, 3601)
        && BenchFiles::writeGpslAvi(dir.filePath("gpsl-1min.avi"))
        && BenchFiles::writeAudioChunkAvi(dir.filePath("audio-1min.avi"), 60)
        && Mp4Sample().movie(1000, 3600 * 1000).videoTrack(1920, 1080)
               .gps0(straightDrive(3601)).write(dir.filePath("one-hour.mp4"));
    if (!written)
        QTextStream(stderr) << "bench_files: cannot write into " << dir.path() << '\n';
    return written ? 0 : 1;
}
