#include "Mp4Sample.h"

#include "BoxWriter.h"
#include "SampleRecord.h"

#include <QFile>

using namespace BoxWriter;

namespace {

constexpr int gps0Stride = 311;
constexpr int extRecordLead = 2;
constexpr int gpsBoxRecordLead = 18;
constexpr int freeGpsRecordLead = 14;

QByteArray unityMatrix()
{
    return bigEndian32(0x10000) + bigEndian32(0) + bigEndian32(0) + bigEndian32(0)
           + bigEndian32(0x10000) + bigEndian32(0) + bigEndian32(0) + bigEndian32(0)
           + bigEndian32(0x40000000);
}

QByteArray movieHeader(quint32 timeScale, quint32 duration)
{
    QByteArray body = bigEndian32(0) + bigEndian32(0) + bigEndian32(0) + bigEndian32(timeScale)
                      + bigEndian32(duration) + bigEndian32(0x10000) + bigEndian16(0x100)
                      + QByteArray(10, '\0') + unityMatrix() + QByteArray(24, '\0')
                      + bigEndian32(10);
    return box("mvhd", body);
}

QByteArray trackHeader(int id, quint32 creationTime, quint32 width, quint32 height)
{
    QByteArray body = bigEndian32(7) + bigEndian32(creationTime) + bigEndian32(creationTime)
                      + bigEndian32(static_cast<quint32>(id)) + bigEndian32(0) + bigEndian32(0)
                      + QByteArray(8, '\0') + bigEndian16(0) + bigEndian16(0) + bigEndian16(0)
                      + bigEndian16(0) + unityMatrix() + bigEndian32(width << 16)
                      + bigEndian32(height << 16);
    return box("tkhd", body);
}

QByteArray handler(const QByteArray &type, const QByteArray &name)
{
    return box("hdlr", bigEndian32(0) + bigEndian32(0) + type.left(4) + QByteArray(12, '\0')
                           + name + QByteArray(1, '\0'));
}

QByteArray chunkOffsetTable(const QVector<quint32> &offsets)
{
    QByteArray body = bigEndian32(0) + bigEndian32(static_cast<quint32>(offsets.size()));
    for (quint32 offset : offsets)
        body += bigEndian32(offset);
    return box("stco", body);
}

} // namespace

Mp4Sample &Mp4Sample::movie(quint32 timeScale, quint32 duration)
{
    mTimeScale = timeScale;
    mDuration = duration;
    return *this;
}

Mp4Sample &Mp4Sample::videoTrack(quint32 width, quint32 height, quint32 creationTime)
{
    Track track(TrackKind::Video, "vide", "VideoHandler");
    track.width = width;
    track.height = height;
    track.creationTime = creationTime;
    track.chunks = {QByteArray(16, '\x01')};
    mTracks.append(track);
    return *this;
}

Mp4Sample &Mp4Sample::soundTrack(int chunks)
{
    Track track(TrackKind::Sound, "soun", "SoundHandler");
    for (int i = 0; i < chunks; ++i)
        track.chunks.append(QByteArray(64, '\x02'));
    mTracks.append(track);
    return *this;
}

Mp4Sample &Mp4Sample::extTrack(const QVector<GpsRecord> &records, const QByteArray &handlerName)
{
    Track track(TrackKind::Ext, "text", handlerName);
    for (const GpsRecord &record : records)
        track.chunks.append(QByteArray(extRecordLead, '\0') + recordBytes(record));
    mTracks.append(track);
    return *this;
}

Mp4Sample &Mp4Sample::metaTrack(const QVector<GpsRecord> &records, const QByteArray &handlerName,
                                bool withTable)
{
    Track track(TrackKind::Meta, "meta", handlerName);
    for (const GpsRecord &record : records)
        track.chunks.append(recordBytes(record));
    track.withTable = withTable;
    mTracks.append(track);
    return *this;
}

Mp4Sample &Mp4Sample::freeGpsTrack(const QVector<GpsRecord> &records, quint32 probeOffset)
{
    Track track(TrackKind::Sound, "soun", "SoundHandler");
    const QByteArray marker = QByteArray("freeGPS ") + QByteArray(freeGpsRecordLead - 8, '\0');
    for (const GpsRecord &record : records)
        track.chunks.append(QByteArray(static_cast<int>(probeOffset), '\0') + marker
                            + recordBytes(record));
    mTracks.append(track);
    return *this;
}

Mp4Sample &Mp4Sample::gpsBox(const QVector<GpsRecord> &records)
{
    mHasGpsBox = true;
    for (const GpsRecord &record : records)
        mGpsBoxRecords.append(QByteArray(gpsBoxRecordLead, '\0') + recordBytes(record));
    return *this;
}

Mp4Sample &Mp4Sample::gps0(const QVector<GpsRecord> &records, Placement where)
{
    QByteArray packed;
    for (const GpsRecord &record : records)
        packed += recordBytes(record).left(gps0Stride);
    return topLevelBox(box("gps0", packed), where);
}

Mp4Sample &Mp4Sample::topLevelBox(const QByteArray &box, Placement where)
{
    (where == Placement::BeforeMoov ? mLeading : mTrailing).append(box);
    return *this;
}

Mp4Sample &Mp4Sample::moovBox(const QByteArray &box)
{
    mMoovExtras.append(box);
    return *this;
}

Mp4Sample &Mp4Sample::largeMdat()
{
    mLargeMdat = true;
    return *this;
}

Mp4Sample &Mp4Sample::mediaTimeScale(quint32 timeScale)
{
    mMediaTimeScale = timeScale;
    return *this;
}

QByteArray Mp4Sample::trackBox(const Track &track, const QVector<quint32> &chunkOffsets, int id) const
{
    const QByteArray table = track.withTable ? chunkOffsetTable(chunkOffsets) : QByteArray();
    const QByteArray minf = box("minf", box("stbl", box("stsd", bigEndian32(0) + bigEndian32(0))
                                                        + table));
    const QByteArray mdhd = box("mdhd", QByteArray(12, '\0') + bigEndian32(mMediaTimeScale)
                                            + QByteArray(8, '\0'));
    const QByteArray mdia = box("mdia", mdhd + handler(track.handlerType, track.handlerName) + minf);
    return box("trak", trackHeader(id, track.creationTime, track.width, track.height) + mdia);
}

QByteArray Mp4Sample::bytes() const
{
    QByteArray file = box("ftyp", QByteArray("isom") + bigEndian32(0x200) + "isomiso2avc1mp41");
    for (const QByteArray &leading : mLeading)
        file += leading;

    // Lay out every chunk in the mdat, remembering where each one starts.
    const int mdatHeader = mLargeMdat ? 16 : 8;
    const qint64 mdatPayloadStart = file.size() + mdatHeader;
    QByteArray media;
    QVector<QVector<quint32>> trackOffsets;
    for (const Track &track : mTracks) {
        QVector<quint32> offsets;
        for (const QByteArray &chunk : track.chunks) {
            offsets.append(static_cast<quint32>(mdatPayloadStart + media.size()));
            media += chunk;
        }
        trackOffsets.append(offsets);
    }
    QByteArray gpsTable;
    for (const QByteArray &entry : mGpsBoxRecords) {
        gpsTable += bigEndian32(static_cast<quint32>(mdatPayloadStart + media.size()))
                    + bigEndian32(static_cast<quint32>(entry.size()));
        media += entry;
    }
    file += mLargeMdat ? largeBox("mdat", media) : box("mdat", media);

    QByteArray moov = movieHeader(mTimeScale, mDuration);
    for (int i = 0; i < mTracks.size(); ++i)
        moov += trackBox(mTracks[i], trackOffsets[i], i + 1);
    if (mHasGpsBox)
        moov += box("gps ", bigEndian32(0) + bigEndian32(static_cast<quint32>(mGpsBoxRecords.size()))
                                + gpsTable);
    for (const QByteArray &extra : mMoovExtras)
        moov += extra;
    file += box("moov", moov);

    for (const QByteArray &trailing : mTrailing)
        file += trailing;
    return file;
}

bool Mp4Sample::write(const QString &path) const
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes()) >= 0;
}
