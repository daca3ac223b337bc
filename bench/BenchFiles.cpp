#include "BenchFiles.h"

#include "AviSample.h"
#include "BoxWriter.h"
#include "Mp4Sample.h"
#include "SampleRecord.h"

#include <QFile>
#include <QtEndian>

using namespace BoxWriter;

namespace {

constexpr quint32 frameMicroseconds = 33333;
constexpr int framesPerSecond = 30;
constexpr int audioRecordLead = 65530;
constexpr quint32 creationTime = 3700000000u;

bool writeAt(QFile &file, qint64 offset, const QByteArray &bytes)
{
    return file.seek(offset) && file.write(bytes) == bytes.size();
}

// Patches a 32-bit little-endian size field already written at `offset`.
bool patchLittleEndian32(QFile &file, qint64 offset, qint64 value)
{
    return writeAt(file, offset, littleEndian32(static_cast<quint32>(value)));
}

} // namespace

namespace BenchFiles {

bool writeSparseMp4(const QString &path, qint64 holeBytes, int records)
{
    const QByteArray dense = Mp4Sample()
                                 .movie(1000, 3600 * 1000)
                                 .videoTrack(1920, 1080, creationTime)
                                 .gpsBox(straightDrive(records))
                                 .largeMdat()
                                 .bytes();
    // The mdat follows ftyp; its 64-bit size grows by the hole, and the
    // offsets in moov stay valid because the records come before the hole.
    const qint64 mdatStart = qFromBigEndian<quint32>(dense.constData());
    const qint64 mdatSize = qFromBigEndian<quint64>(dense.constData() + mdatStart + 8);
    const qint64 mdatEnd = mdatStart + mdatSize;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(dense.left(mdatEnd)) == mdatEnd
           && writeAt(file, mdatStart + 8, bigEndian64(quint64(mdatSize + holeBytes)))
           && writeAt(file, mdatEnd + holeBytes, dense.mid(mdatEnd));
}

bool writeGpslAvi(const QString &path, int seconds)
{
    AviSample sample;
    sample.mainHeader(frameMicroseconds, quint32(seconds * framesPerSecond), 1920, 1080);
    for (int frame = 0; frame < seconds * framesPerSecond; ++frame)
        sample.videoChunk(64);
    return sample.gpslBlock(straightDrive(seconds + 1)).write(path);
}

bool writeAudioChunkAvi(const QString &path, int seconds, int videoChunksPerSecond,
                        int videoChunkBytes)
{
    // Headers as the sample writer makes them, up to the movi list.
    const QByteArray empty = AviSample()
        .mainHeader(frameMicroseconds, quint32(seconds * videoChunksPerSecond), 1920, 1080)
        .bytes();
    const qint64 moviStart = empty.indexOf("movi") - 8;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(empty.left(moviStart + 12)) != moviStart + 12)
        return false;

    const QVector<GpsRecord> records = straightDrive(seconds);
    const QByteArray videoHeader = QByteArray("00dc") + littleEndian32(quint32(videoChunkBytes));
    const QByteArray audioHeader =
        QByteArray("01wb") + littleEndian32(quint32(audioRecordLead + gpsRecordSize));
    qint64 end = moviStart + 12;
    for (const GpsRecord &record : records) {
        for (int i = 0; i < videoChunksPerSecond; ++i) {
            if (!writeAt(file, end, videoHeader))
                return false;
            end += 8 + videoChunkBytes + (videoChunkBytes & 1);
        }
        if (!writeAt(file, end, audioHeader)
            || !writeAt(file, end + 8 + audioRecordLead, recordBytes(record)))
            return false;
        end += 8 + audioRecordLead + gpsRecordSize;
    }
    const qint64 moviSize = end - (moviStart + 8);
    return writeAt(file, end, chunk("idx1", QByteArray()))
           && patchLittleEndian32(file, moviStart + 4, moviSize)
           && patchLittleEndian32(file, 4, end);  // RIFF size: all after its header
}

QList<QPair<QString, QString>> writeMp4Layouts(const QString &folder)
{
    const auto drive = straightDrive(61);
    const auto movie = [] { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); };
    const QPair<QString, Mp4Sample> layouts[] = {
        {"ExtTrack", movie().extTrack(drive)},         {"GpsBoxTable", movie().gpsBox(drive)},
        {"AudioFreeGps", movie().freeGpsTrack(drive)}, {"GpsMetaTrack", movie().metaTrack(drive)},
        {"Gps0Records", movie().gps0(drive)},
    };
    QList<QPair<QString, QString>> written;
    for (const auto &layout : layouts) {
        const QString path = folder + '/' + layout.first + ".mp4";
        if (!layout.second.write(path))
            return {};
        written.append({layout.first, path});
    }
    return written;
}

void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

} // namespace BenchFiles
