#include "ParserObject.h"

#include "CancelScope.h"
#include "RhumbBearing.h"
#include "VideoFile.h"

#include <QDebug>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr qint64 extTrackAddition = 2;
constexpr qint64 gpsBoxAddition = 18;
constexpr qint64 freeGpsAddition = 14;
constexpr qint64 gps0RecordStride = 311;
constexpr qint64 gpslRecordStride = 312;
constexpr qint64 audioChunkRecordOffset = 65530;
// A fix that moved less than this in both coordinates is GPS noise, not
// travel; a car on a road along a parallel or a meridian moves in one only.
constexpr double minimumMove = 1e-5;

// 179.99999 E to 179.99999 W is a step of 0.00002 degree, not of 359.99998.
double shortLongitudeDelta(double from, double to)
{
    const double delta = to - from;
    if (delta > 180.0)
        return delta - 360.0;
    if (delta < -180.0)
        return delta + 360.0;
    return delta;
}

// A NUL-terminated copy of one fixed-width field, so that sscanf never reads
// into the next field.
QByteArray fieldText(const GpsRecord &record, int offset, int length)
{
    return QByteArray(record.data() + offset, length);
}

void copyText(char *target, const GpsRecord &record, int offset, int length)
{
    std::memcpy(target, record.data() + offset, length);
    target[length] = '\0';
}

double degreesFromField(const GpsRecord &record, int offset, int length,
                        const char *format)
{
    int degrees = 0;
    int minutesTimes10000 = 0;
    std::sscanf(fieldText(record, offset, length).constData(), format,
                &degrees, &minutesTimes10000);
    return minutesTimes10000 / 10000.0 / 60.0 + degrees;
}

int intFromField(const GpsRecord &record, int offset, int length, const char *format)
{
    int value = 0;
    std::sscanf(fieldText(record, offset, length).constData(), format, &value);
    return value;
}

// One G-sensor group: a sign, one integer digit, two fraction digits.
float gSensorAxis(const GpsRecord &record, int group)
{
    const int offset = RecordField::gSensor + 4 * group;
    const char sign = record[offset];
    if (sign != '+' && sign != '-') {
        qDebug() << "gsensor data error";
        return 0.0f;
    }
    int units = 0;
    int hundredths = 0;
    std::sscanf(fieldText(record, offset + 1, 3).constData(), "%1d%2d", &units,
                &hundredths);
    const float value = static_cast<float>(hundredths / 100.0 + units);
    return sign == '+' ? value : -value;
}

} // namespace

ParserObject::ParserObject(const QString &path, QObject *parent)
    : QObject(parent)
{
    // Unbuffered: the walkers seek far more than they read, and a buffered
    // device would pull a whole buffer in for every 8-byte header.
    const QString reason = VideoFile::open(file, path, QIODevice::Unbuffered);
    if (!reason.isEmpty()) {
        qDebug() << "Mp4Parser open file error, file:" << path << reason;
        return;
    }
    mFileSize = file.size();
}

ParserObject::~ParserObject()
{
    if (file.isOpen())
        file.close();
}

VideoInfo ParserObject::videoInfo() const
{
    VideoInfo info;
    info.width = width;
    info.height = height;
    info.duration = duration;
    info.creationTime = creationTime;
    return info;
}

bool ParserObject::getGpsData(int second, GpsData &data)
{
    std::memset(&data, 0, sizeof data);
    if (second < 0)
        return false;
    // Entry 0 of the stored list is never shown: second s reads entry s + 1.
    const quint32 entry = static_cast<quint32>(second) + 1;
    if (entry >= recordCount)
        return false;

    // Until a record has been read, data stays all zero: a failed request
    // must not hand back the second it was asked for.
    const qint64 recordStart = recordPosition(entry);
    if (recordStart < 0 || !seekTo(recordStart))
        return false;
    GpsRecord record;
    const qint64 delivered = readBytes(record.data(), gpsRecordSize);
    if (delivered <= 0)
        return false;  // the table points past the end of the file
    toggleRecordMask(record);
    // Bytes the file did not hold stay zero rather than the mask's value.
    std::memset(record.data() + delivered, 0, gpsRecordSize - delivered);
    data.second = second;
    return decodeRecord(static_cast<int>(entry), record, data);
}

qint64 ParserObject::recordPosition(quint32 entry)
{
    const auto tableEntry = [this, entry](qint64 stride) -> qint64 {
        if (!seekTo(tableOffset + entry * stride))
            return -1;
        char bytes[4];
        if (readBytes(bytes, 4) < 4)
            return -1;
        return qFromBigEndian<quint32>(bytes);
    };
    qint64 value = -1;
    switch (gpsKind) {
    case GpsKind::NoGps:
        return -1;
    case GpsKind::ExtTrack:
        value = tableEntry(4);
        return value < 0 ? -1 : value + extTrackAddition;
    case GpsKind::GpsBoxTable:
        value = tableEntry(8);
        return value < 0 ? -1 : value + gpsBoxAddition;
    case GpsKind::AudioFreeGps:
        value = tableEntry(4);
        return value < 0 ? -1 : value + probeOffset + freeGpsAddition;
    case GpsKind::GpsMetaTrack:
        return tableEntry(4);
    case GpsKind::Gps0Records:
        return tableOffset + entry * gps0RecordStride;
    case GpsKind::GpslBlock:
        return tableOffset + entry * gpslRecordStride;
    case GpsKind::AviAudioChunks:
        return audioChunkRecordPosition(entry);
    }
    return -1;
}

// Audio chunks are counted from 1: entry e is the e-th "01wb" chunk of the
// movi list. The walk uses the same advance rule as the construction walk
// (audio chunk sizes as they are, others rounded up to even) so both meet the
// same chunks. A request at or after the last chunk served walks on from that
// chunk, so playing a long file costs a few chunk headers per second instead
// of a walk from the start of the list.
qint64 ParserObject::audioChunkRecordPosition(quint32 entry)
{
    const bool resume = mLastAudioChunk > 0 && entry >= mLastAudioChunk;
    qint64 chunkStart = resume ? mLastAudioChunkStart : tableOffset;
    quint32 audioChunks = resume ? mLastAudioChunk - 1 : 0;
    for (int step = 0; step < walkStepLimit && audioChunks < recordCount
                       && chunkStart < mFileSize;
         ++step) {
        if (!seekTo(chunkStart))
            return -1;
        char header[8];
        readBytes(header, 8);
        const quint32 size = qFromLittleEndian<quint32>(header + 4);
        if (std::memcmp(header, "01wb", 4) == 0) {
            if (++audioChunks == entry) {
                mLastAudioChunk = entry;
                mLastAudioChunkStart = chunkStart;
                return chunkStart + 8 + audioChunkRecordOffset;
            }
            chunkStart += 8 + qint64(size);
        } else {
            chunkStart += 8 + qint64(size) + (size & 1u);
        }
    }
    return -1;
}

bool ParserObject::decodeRecord(int entry, const GpsRecord &record, GpsData &data)
{
    copyText(data.dateTime, record, RecordField::dateTime, 14);
    data.char22 = record[RecordField::char22];
    copyText(data.text23, record, RecordField::text23, 14);
    data.char37 = record[RecordField::char37];
    data.latHemisphere = record[RecordField::latHemisphere];
    data.lonHemisphere = record[RecordField::lonHemisphere];

    data.latitude = degreesFromField(record, RecordField::latitude, 8, "%2d%6d");
    data.longitude = degreesFromField(record, RecordField::longitude, 9, "%3d%6d");
    data.number57 = intFromField(record, RecordField::number57, 5, "%5d");
    data.speed = intFromField(record, RecordField::speed, 3, "%3d");
    data.gX = gSensorAxis(record, 0);
    data.gY = gSensorAxis(record, 1);
    data.gZ = gSensorAxis(record, 2);

    updateCourse(entry, data);
    return true;
}

// The record holds no course: it is worked out from the previous sample's
// position, and kept while the vehicle stands still or a request goes back.
void ParserObject::updateCourse(int entry, GpsData &data)
{
    const double latitude = signedLatitude(data);
    const double longitude = signedLongitude(data);

    const bool moved = std::fabs(shortLongitudeDelta(lastLongitude, longitude)) > minimumMove
                       || std::fabs(lastLatitude - latitude) > minimumMove;
    if (hasPreviousFix && entry > lastIndex && moved) {
        const double course = rhumbBearing(lastLongitude, lastLatitude, longitude, latitude);
        // Digits that claim a latitude beyond the pole give no course.
        if (std::isfinite(course))
            lastBearing = course;
    }
    data.bearing = lastBearing;

    lastLatitude = latitude;
    lastLongitude = longitude;
    lastIndex = entry;
    hasPreviousFix = true;
}

quint16 ParserObject::readBigEndian16()
{
    char bytes[2];
    readBytes(bytes, 2);
    return qFromBigEndian<quint16>(bytes);
}

quint32 ParserObject::readBigEndian32()
{
    char bytes[4];
    readBytes(bytes, 4);
    return qFromBigEndian<quint32>(bytes);
}

quint64 ParserObject::readBigEndian64()
{
    char bytes[8];
    readBytes(bytes, 8);
    return qFromBigEndian<quint64>(bytes);
}

quint32 ParserObject::readLittleEndian32()
{
    char bytes[4];
    readBytes(bytes, 4);
    return qFromLittleEndian<quint32>(bytes);
}

qint64 ParserObject::readBytes(char *buffer, qint64 size)
{
    std::memset(buffer, 0, static_cast<size_t>(size));
    if (!file.isOpen() || CancelScope::requested())
        return 0;
    const qint64 delivered = file.read(buffer, size);
    if (delivered <= 0)
        return 0;
    mBytesRead += delivered;
    return delivered;
}

FourCC ParserObject::readFourCC()
{
    FourCC code;
    readBytes(code.data(), 4);
    return code;
}

bool ParserObject::seekTo(qint64 target)
{
    if (target < 0 || !file.isOpen() || CancelScope::requested())
        return false;
    return file.seek(target);
}

bool ParserObject::takeWalkStep()
{
    if (mWalkStepsLeft <= 0 || CancelScope::requested())
        return false;
    --mWalkStepsLeft;
    return true;
}
