// Writes the fuzzers' starting corpus: one small file per record layout and
// per container oddity the walkers handle, built from records stated here.
//   fuzz_seeds <dir>   ->  <dir>/mp4/*.mp4, <dir>/avi/*.avi
#include "AviSample.h"
#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <map>

using namespace BoxWriter;

namespace {

constexpr quint32 creationTime = 3700000000u;  // 2021 in seconds since 1904
constexpr quint32 noGpslOffset = 0xFFFFFFF0u;

Mp4Sample movie()
{
    return Mp4Sample().movie(1000, 8000).videoTrack(1920, 1080, creationTime);
}

AviSample aviMovie()
{
    return AviSample().mainHeader(33333, 240, 1280, 720);
}

// Records that take the decoder off the straight road: the 180th meridian,
// the southern and western hemispheres, a latitude past the pole, standing
// still, and G-sensor groups without a sign.
QVector<GpsRecord> awkwardDrive()
{
    QVector<GpsRecord> records{
        SampleRecord::fix(-33.9, 179.9999, 80).stored(),
        SampleRecord::fix(-33.9001, -179.9999, 80).stored(),
        SampleRecord::fix(-33.9001, -179.9999, 0).stored(),
    };
    SampleRecord beyondPole = SampleRecord::fix(89.9, 10.0);
    beyondPole.latitude = "99999999";
    records.append(beyondPole.stored());
    SampleRecord unsignedG = SampleRecord::fix(51.5, -0.12, 30);
    unsignedG.gSensor = "x100 100?100";
    records.append(unsignedG.stored());
    SampleRecord garbage = SampleRecord::fix(0, 0);
    garbage.latitude = "-1-2-3-4";
    garbage.speed = "9x9";
    records.append(garbage.stored());
    return records;
}

QByteArray gpslWithCount(quint32 count, const QVector<GpsRecord> &records)
{
    QByteArray file = aviMovie().audioRecords({}).videoChunk(10).bytes();
    const quint32 blockOffset = static_cast<quint32>(file.size());
    file += QByteArray("GPSL") + bigEndian32(count);
    for (const GpsRecord &record : records)
        file += recordBytes(record);
    return file + bigEndian32(blockOffset);
}

QByteArray riffWithHeaderOf(int mainHeaderBytes, const QByteArray &movi)
{
    const QByteArray hdrl = list("hdrl", chunk("avih", QByteArray(mainHeaderBytes, '\x05')));
    return list("AVI ", hdrl + list("movi", movi), "RIFF");
}

std::map<QString, QByteArray> mp4Seeds()
{
    const auto drive = straightDrive(6);
    const auto pair = straightDrive(2);
    return {
        {"gps0_after_moov", movie().gps0(drive).bytes()},
        {"gps0_before_moov", movie().gps0(drive, Mp4Sample::Placement::BeforeMoov).bytes()},
        {"gps0_awkward", movie().gps0(awkwardDrive()).bytes()},
        {"gps_box", movie().gpsBox(drive).bytes()},
        {"gps_box_large_mdat", movie().gpsBox(drive).largeMdat().bytes()},
        {"ext_track", movie().soundTrack().extTrack(drive).bytes()},
        {"ext_track_awkward", movie().extTrack(awkwardDrive(), "AMBARELLA EXT 2").bytes()},
        {"meta_track", movie().metaTrack(drive).bytes()},
        {"meta_track_no_table", movie().metaTrack(drive, "gps", false).bytes()},
        {"meta_track_other_name", movie().metaTrack(drive, "timed metadata").bytes()},
        {"free_gps_10004", movie().freeGpsTrack(pair, 0x10004).bytes()},
        {"free_gps_20004", movie().freeGpsTrack(pair, 0x20004).bytes()},
        {"free_gps_40004", movie().freeGpsTrack(straightDrive(1), 0x40004).bytes()},
        {"sound_only", movie().soundTrack(3).bytes()},
        {"two_video_tracks", movie().videoTrack(3840, 2160).gps0(drive).bytes()},
        {"last_layout_wins", movie().gpsBox(drive).extTrack(drive).gps0(pair).bytes()},
        {"size0_box", movie().topLevelBox(boxHeader(0, "free"), Mp4Sample::Placement::BeforeMoov)
                          .gps0(drive).bytes()},
        {"short_box_ends_walk", movie().topLevelBox(boxHeader(5, "junk")).gps0(drive).bytes()},
        {"small_largesize", movie().moovBox(bigEndian32(1) + "wide" + bigEndian64(12))
                                .gps0(drive).bytes()},
        {"large_box_in_moov", movie().moovBox(largeBox("udta", QByteArray(20, 'u')))
                                  .gpsBox(drive).bytes()},
        {"gps0_count_past_end", movie().topLevelBox(boxHeader(0x7FFFFFF0u, "gps0")
                                                    + recordBytes(drive[0])).bytes()},
    };
}

std::map<QString, QByteArray> aviSeeds()
{
    const auto drive = straightDrive(3);
    return {
        {"gpsl", aviMovie().videoChunk(100).videoChunk(101).gpslBlock(straightDrive(6)).bytes()},
        {"gpsl_awkward", aviMovie().gpslBlock(awkwardDrive()).bytes()},
        {"gpsl_huge_count", gpslWithCount(0xFFFFFFFFu, straightDrive(2))},
        {"audio_chunks", aviMovie().audioRecords(drive, 2).bytes()},
        {"audio_chunks_odd", aviMovie().videoChunk(7).audioRecord(drive[0], 1)
                                 .videoChunk(9).audioRecord(drive[1], 3).bytes()},
        {"audio_bad_trailing_offset", aviMovie().audioRecords(drive, 1)
                                          .trailingOffset(noGpslOffset).bytes()},
        {"junk_chunks", aviMovie().moviBytes(chunk("JUNK", QByteArray(33, 'j')))
                            .moviBytes(list("rec ", chunk("00dc", QByteArray(5, 'v'))))
                            .audioRecords(straightDrive(2), 1).bytes()},
        {"no_main_header", AviSample().audioRecords(straightDrive(2), 0).bytes()},
        {"short_main_header", riffWithHeaderOf(20, chunk("00dc", "abc"))},
        {"empty_movi", aviMovie().bytes()},
    };
}

bool writeAll(const QString &dir, const QString &suffix, const std::map<QString, QByteArray> &seeds)
{
    if (!QDir().mkpath(dir))
        return false;
    for (const auto &[name, bytes] : seeds) {
        QFile file(dir + '/' + name + suffix);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: fuzz_seeds <dir>\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const bool written = writeAll(dir + "/mp4", ".mp4", mp4Seeds())
                         && writeAll(dir + "/avi", ".avi", aviSeeds());
    if (!written)
        QTextStream(stderr) << "fuzz_seeds: cannot write into " << dir << '\n';
    return written ? 0 : 1;
}
