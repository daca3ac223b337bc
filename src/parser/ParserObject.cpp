#include "ParserObject.h"

#include "CancelScope.h"
#include "RecordSignature.h"
#include "RhumbBearing.h"
#include "VideoFile.h"

#include <QDebug>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

constexpr qint64 extTrackAddition = 2;
constexpr qint64 gpsBoxAddition = 18;
constexpr qint64 freeGpsAddition = 14;
constexpr qint64 gps0RecordStride = 311;
constexpr qint64 gpslRecordStride = 312;
constexpr qint64 audioChunkRecordOffset = 65530;
constexpr qint64 tableBlockSize = 4096;
constexpr qint64 scanBlockSize = 64 * 1024;
// The camera writes a record each second, a few megabytes of video apart at
// most: a scan that met none in this much of the file meets none after it (a
// camera that keeps no telemetry, or one cut before its first record).
constexpr qint64 scanGiveUpDistance = 32ll << 20;
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

// Reads up to this size go through the read-ahead block; larger ones (tables
// and scans read in blocks of their own) go straight to the file.
constexpr qint64 smallReadLimit = 16 * 1024;
constexpr qint64 pageSize = 4096;
constexpr qint64 largeReadAhead = 64 * 1024;
constexpr int denseBlockReads = 4;

} // namespace

ParserObject::ParserObject(const QString &path, QObject *parent)
    : QObject(parent)
{
    // Unbuffered: the read-ahead below decides what is read, and where.
    const QString reason = VideoFile::open(file, path, QIODevice::Unbuffered);
    if (!reason.isEmpty()) {
        qDebug() << "Mp4Parser open file error, file:" << path << reason;
        mOpenError = reason;
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
    info.truncated = mTruncated;
    info.readableRecords = mReadableRecords;
    info.recovered = mRecovered;
    info.openError = mOpenError;
    // Entry 0 of the stored list is never shown (see getGpsData).
    const quint32 readable = qMin(recordCount, mReadableRecords);
    info.telemetrySeconds = readable > 1 ? readable - 1 : 0;
    return info;
}

bool ParserObject::getGpsData(int second, GpsData &data)
{
    return getGpsData(second, data, mCourse);
}

bool ParserObject::getGpsData(int second, GpsData &data, CourseState &course)
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
    // A record whose fields run past the end of the file would decode as a
    // sample of zeros: the file was cut there, or the table points too far.
    const qint64 recordStart = recordPosition(entry);
    if (recordStart < 0 || recordStart > mFileSize - gpsRecordFieldsSize || !seekTo(recordStart))
        return false;
    GpsRecord record;
    const qint64 delivered = readBytes(record.data(), gpsRecordSize);
    if (delivered < gpsRecordFieldsSize)
        return false;
    toggleRecordMask(record);
    // Bytes the file did not hold stay zero rather than the mask's value.
    std::memset(record.data() + delivered, 0, gpsRecordSize - delivered);
    data.second = second;
    return decodeRecord(static_cast<int>(entry), record, data, course);
}

quint32 ParserObject::secondsToDecode() const
{
    // Entry 0 is never shown; no two records lie closer than packed ones.
    const quint64 claimed = recordCount > 0 ? recordCount - 1 : 0;
    const quint64 held = static_cast<quint64>(mFileSize / gps0RecordStride);
    return static_cast<quint32>(qMin(qMin(claimed, held), quint64(recordCheckLimit)));
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
        // Audio chunks are counted from 1: entry e is the e-th "01wb" chunk.
        return entry - 1 < quint32(audioChunkStarts.size())
                   ? audioChunkStarts[int(entry - 1)] + 8 + audioChunkRecordOffset
                   : -1;
    case GpsKind::ScannedRecords:
        return entry < static_cast<quint32>(mScannedRecords.size()) ? mScannedRecords[entry] : -1;
    }
    return -1;
}

void ParserObject::finishWalk()
{
    mReadableRecords = countReadableRecords();
    if (mTruncated && indexMayBeLost())
        scanForRecords();
}

quint32 ParserObject::countReadableRecords()
{
    switch (gpsKind) {
    case GpsKind::NoGps:
        return 0;
    case GpsKind::ExtTrack:
        return countReadableTableEntries(4, extTrackAddition);
    case GpsKind::GpsBoxTable:
        return countReadableTableEntries(8, gpsBoxAddition);
    case GpsKind::AudioFreeGps:
        return countReadableTableEntries(4, probeOffset + freeGpsAddition);
    case GpsKind::GpsMetaTrack:
        return countReadableTableEntries(4, 0);
    case GpsKind::Gps0Records:
        return packedRecordsInFile(gps0RecordStride);
    case GpsKind::GpslBlock:
        return packedRecordsInFile(gpslRecordStride);
    case GpsKind::AviAudioChunks:
        return readableAudioChunks;
    case GpsKind::ScannedRecords:
        return recordCount;
    }
    return 0;
}

// Reads the table a block at a time, never beyond its box or the file, and
// counts the entries whose record has its fields inside the file.
quint32 ParserObject::countReadableTableEntries(qint64 entrySize, qint64 addition)
{
    const qint64 end = qMin(tableEnd, mFileSize);
    if (tableOffset <= 0 || end <= tableOffset || !seekTo(tableOffset))
        return 0;
    const quint64 entries = qMin<quint64>(qMin<quint64>(recordCount, recordCheckLimit),
                                          static_cast<quint64>((end - tableOffset) / entrySize));
    const qint64 lastRecordStart = mFileSize - gpsRecordFieldsSize;
    char block[tableBlockSize];
    quint32 readable = 0;
    for (quint64 done = 0; done < entries && takeWalkStep();) {
        const quint64 count = qMin<quint64>(entries - done, tableBlockSize / entrySize);
        readBytes(block, static_cast<qint64>(count) * entrySize);
        for (quint64 i = 0; i < count; ++i) {
            const qint64 recordStart = qFromBigEndian<quint32>(block + i * entrySize) + addition;
            readable += recordStart <= lastRecordStart ? 1 : 0;
        }
        done += count;
    }
    return readable;
}

quint32 ParserObject::packedRecordsInFile(qint64 stride) const
{
    const qint64 room = mFileSize - gpsRecordFieldsSize - tableOffset;
    if (room < 0)
        return 0;
    return static_cast<quint32>(qMin<qint64>(recordCount, room / stride + 1));
}

// Packed records and audio chunks need no index beyond the walk itself: what
// the cut left of them is already counted. A table that lost entries, or no
// layout at all, may leave records in the file that nothing points to.
bool ParserObject::indexMayBeLost() const
{
    switch (gpsKind) {
    case GpsKind::NoGps:
        return true;
    case GpsKind::ExtTrack:
    case GpsKind::GpsBoxTable:
    case GpsKind::AudioFreeGps:
    case GpsKind::GpsMetaTrack:
        return mReadableRecords < recordCount;
    default:
        return false;
    }
}

// Looks at every offset of the file for a record, a block at a time with
// enough overlap for a record that straddles two blocks. Records follow each
// other at least 311 bytes apart (packed gps0 records), so the search goes on
// that far after each one found, and gives up where none was met for a long
// way. Recovery replaces the layout only when it finds more records than the
// layout still offers.
void ParserObject::scanForRecords()
{
    QByteArray block(scanBlockSize + gpsRecordFieldsSize - 1, Qt::Uninitialized);
    QVector<qint64> found;
    qint64 candidate = 0;
    qint64 lastFound = 0;
    for (qint64 blockStart = 0; blockStart <= mFileSize - gpsRecordFieldsSize
                                && blockStart - lastFound < scanGiveUpDistance
                                && quint32(found.size()) < recordCheckLimit && takeWalkStep();
         blockStart += scanBlockSize) {
        if (!seekTo(blockStart))
            break;
        const qint64 delivered = readBytes(block.data(), block.size());
        candidate = qMax(candidate, blockStart);
        const qint64 candidatesEnd =
            blockStart + qMin(scanBlockSize, delivered - gpsRecordFieldsSize + 1);
        while (candidate < candidatesEnd && quint32(found.size()) < recordCheckLimit) {
            const char *bytes = block.constData() + (candidate - blockStart);
            if (hasHemisphereLetters(bytes) && hasRecordSignature(bytes)) {
                found.append(candidate);
                lastFound = candidate;
                candidate += gps0RecordStride;
            } else {
                ++candidate;
            }
        }
    }
    if (quint32(found.size()) <= mReadableRecords)
        return;
    gpsKind = GpsKind::ScannedRecords;
    mScannedRecords = found;
    recordCount = mReadableRecords = static_cast<quint32>(found.size());
    tableOffset = found.first();
    mRecovered = true;
}

bool ParserObject::decodeRecord(int entry, const GpsRecord &record, GpsData &data,
                                CourseState &course)
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

    updateCourse(entry, data, course);
    return true;
}

// The record holds no course: it is worked out from the previous sample's
// position, and kept while the vehicle stands still or a request goes back.
void ParserObject::updateCourse(int entry, GpsData &data, CourseState &course)
{
    const double latitude = signedLatitude(data);
    const double longitude = signedLongitude(data);

    const bool moved = std::fabs(shortLongitudeDelta(course.lastLongitude, longitude)) > minimumMove
                       || std::fabs(course.lastLatitude - latitude) > minimumMove;
    if (course.hasPreviousFix && entry > course.lastIndex && moved) {
        const double bearing =
            rhumbBearing(course.lastLongitude, course.lastLatitude, longitude, latitude);
        // Digits that claim a latitude beyond the pole give no course.
        if (std::isfinite(bearing))
            course.lastBearing = bearing;
    }
    data.bearing = course.lastBearing;

    course.lastLatitude = latitude;
    course.lastLongitude = longitude;
    course.lastIndex = entry;
    course.hasPreviousFix = true;
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
    if (size <= 0)
        return 0;
    std::memset(buffer, 0, static_cast<size_t>(size));
    if (!file.isOpen() || CancelScope::requested())
        return 0;
    const qint64 delivered =
        size > smallReadLimit ? readFile(mPosition, buffer, size) : readAhead(buffer, size);
    mPosition += delivered;
    mBytesRead += delivered;
    return delivered;
}

// One read of the file at `at`, in one system call where there is one for it.
qint64 ParserObject::readFile(qint64 at, char *buffer, qint64 size)
{
    ++mFileReads;
#ifdef Q_OS_UNIX
    ssize_t delivered;
    do {
        delivered = ::pread(file.handle(), buffer, static_cast<size_t>(size), at);
    } while (delivered < 0 && errno == EINTR);
    return qMax<qint64>(0, delivered);
#else
    if (file.pos() != at && !file.seek(at))
        return 0;
    return qMax<qint64>(0, file.read(buffer, size));
#endif
}

qint64 ParserObject::readAhead(char *buffer, qint64 size)
{
    const auto holds = [this, size](const ReadAheadBlock &block) {
        return mPosition >= block.start
               && (mPosition + size <= block.start + block.length || block.atEnd);
    };
    int used = holds(mReadAhead[mRecentBlock]) ? mRecentBlock
               : holds(mReadAhead[1 - mRecentBlock]) ? 1 - mRecentBlock
                                                      : -1;
    if (used < 0) {
        // A block that served several reads lies among headers: the walk
        // goes on through them, so the next block is a large one.
        const ReadAheadBlock &recent = mReadAhead[mRecentBlock];
        const bool dense = recent.served >= denseBlockReads && mPosition >= recent.start
                           && mPosition < recent.start + recent.length + largeReadAhead;
        const qint64 start = mPosition & ~(pageSize - 1);
        const qint64 needed = (mPosition + size - start + pageSize - 1) & ~(pageSize - 1);
        const qint64 length = dense ? qMax(needed, largeReadAhead) : needed;
        used = 1 - mRecentBlock;  // the one used least recently
        ReadAheadBlock &block = mReadAhead[used];
        block.bytes.resize(static_cast<int>(length));
        block.start = start;
        block.length = readFile(start, block.bytes.data(), length);
        block.atEnd = block.length < length;
        block.served = 0;
    }
    mRecentBlock = used;
    ReadAheadBlock &block = mReadAhead[used];
    ++block.served;
    const qint64 available = qBound<qint64>(0, block.start + block.length - mPosition, size);
    if (available > 0)
        std::memcpy(buffer, block.bytes.constData() + (mPosition - block.start),
                    static_cast<size_t>(available));
    return available;
}

void ParserObject::dropReadAhead()
{
    for (ReadAheadBlock &block : mReadAhead)
        block = ReadAheadBlock();
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
    mPosition = target;
    return true;
}

bool ParserObject::takeWalkStep()
{
    if (mWalkStepsLeft <= 0 || CancelScope::requested())
        return false;
    --mWalkStepsLeft;
    return true;
}

void ParserObject::closeFile()
{
    file.close();
    // An idle worker keeps no block: the file may change before it reopens.
    dropReadAhead();
}

bool ParserObject::reopenFile(const QString &path)
{
    dropReadAhead();
    mPosition = 0;
    return VideoFile::open(file, path, QIODevice::Unbuffered).isEmpty();
}
