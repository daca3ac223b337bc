#include "Mp4Parser.h"

#include <QDebug>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr qint64 plainHeaderSize = 8;
constexpr qint64 largeHeaderSize = 16;
constexpr qint64 movieHeaderSize = 100;
constexpr qint64 trackHeaderSize = 84;
constexpr qint64 handlerFixedSize = 24;  // version, pre-defined, type, reserved
constexpr qint64 handlerNameLimit = 255;
constexpr qint64 gps0RecordSize = 311;
// Cameras hide "freeGPS" at one of these offsets inside each audio chunk.
constexpr quint32 freeGpsProbeOffsets[] = {0x10004, 0x20004, 0x40004};

quint32 clampToCount(qint64 value)
{
    return static_cast<quint32>(qMin<qint64>(value, std::numeric_limits<quint32>::max()));
}

} // namespace

Mp4Parser::Mp4Parser(const QString &path, QObject *parent)
    : ParserObject(path, parent)
{
    seekTo(0);
    walkBoxes(fileSize(), [this](const FourCC &type) {
        if (type == fourCC("moov"))
            parseMoov(bodySize);
        else if (type == fourCC("gps0"))
            takeGps0Box();
    });
    finishWalk();
    qDebug() << "fileName:" << path;
    qDebug() << "videoInfo:" << width << height << duration << recordCount;
}

qint64 Mp4Parser::readBoxHeader()
{
    const qint64 available = fileSize() - position();
    char header[plainHeaderSize];
    readBytes(header, plainHeaderSize);  // one read: a walk is mostly headers
    const quint32 size = qFromBigEndian<quint32>(header);
    std::memcpy(boxType.data(), header + 4, 4);
    if (available < plainHeaderSize || (size == 1 && available < largeHeaderSize))
        noteTruncated();
    if (size == 1) {
        const quint64 largeSize = readBigEndian64();
        if (largeSize < static_cast<quint64>(largeHeaderSize))
            return boxSize = -1;
        boxSize = static_cast<qint64>(
            qMin<quint64>(largeSize, std::numeric_limits<qint64>::max()));
        bodySize = boxSize - largeHeaderSize;
        return boxSize;
    }
    if (size != 0 && size < plainHeaderSize)
        return boxSize = -1;
    boxSize = size;
    bodySize = size == 0 ? 0 : boxSize - plainHeaderSize;
    return boxSize;
}

// One rule for every level: a size-0 box is only its 8-byte header, a box
// that claims less than its own header ends the level (so no walk can loop or
// go backwards), and after each box the walk goes on at the box's end however
// much of it the handler read.
template<typename Handle>
void Mp4Parser::walkBoxes(qint64 payloadSize, Handle handle)
{
    const qint64 start = position();
    while (static_cast<quint64>(position() - start) < static_cast<quint64>(payloadSize)
           && !atEnd() && takeWalkStep()) {
        if (readBoxHeader() < 0)
            return;
        if (boxSize == 0)
            continue;
        const qint64 bodyStart = position();
        const qint64 boxBody = bodySize;
        handle(boxType);
        const qint64 remaining = fileSize() - bodyStart;
        if (boxBody > remaining)
            noteTruncated();
        seekTo(boxBody > remaining ? fileSize() : bodyStart + boxBody);
    }
}

qint64 Mp4Parser::currentBoxEnd() const
{
    const qint64 bodyStart = position();
    return bodySize > fileSize() - bodyStart ? fileSize() : bodyStart + bodySize;
}

void Mp4Parser::parseMoov(qint64 payloadSize)
{
    walkBoxes(payloadSize, [this](const FourCC &type) {
        if (type == fourCC("trak"))
            parseTrak(bodySize);
        else if (type == fourCC("mvhd"))
            readMovieHeader();
        else if (type == fourCC("gps "))
            takeGpsBoxTable();
    });
}

void Mp4Parser::readMovieHeader()
{
    char body[movieHeaderSize];
    readBytes(body, movieHeaderSize);
    const quint32 timeScale = qFromBigEndian<quint32>(body + 12);
    const quint32 movieDuration = qFromBigEndian<quint32>(body + 16);
    duration = timeScale == 0 ? 0 : movieDuration / timeScale;
}

void Mp4Parser::takeGps0Box()
{
    recordCount = clampToCount(bodySize / gps0RecordSize);
    tableOffset = position();
    gpsKind = GpsKind::Gps0Records;
}

void Mp4Parser::takeGpsBoxTable()
{
    tableEnd = currentBoxEnd();
    readBigEndian32();
    recordCount = readBigEndian32();
    tableOffset = position();
    gpsKind = GpsKind::GpsBoxTable;
}

void Mp4Parser::parseTrak(qint64 payloadSize)
{
    Track track;
    walkBoxes(payloadSize, [this, &track](const FourCC &type) {
        if (type == fourCC("mdia"))
            parseMdia(bodySize, track);
        else if (type == fourCC("tkhd"))
            readTrackHeader(track);
    });
    adoptVideoTrack(track);
}

void Mp4Parser::readTrackHeader(Track &track)
{
    char body[trackHeaderSize];
    readBytes(body, trackHeaderSize);
    track.creationTime = qFromBigEndian<quint32>(body + 4);
    track.width = static_cast<qint32>(qFromBigEndian<quint32>(body + 76) >> 16);
    track.height = static_cast<qint32>(qFromBigEndian<quint32>(body + 80) >> 16);
}

// The widest video track describes the video; the first of equal ones wins.
void Mp4Parser::adoptVideoTrack(const Track &track)
{
    if (track.kind != HandlerKind::Video || track.width <= width)
        return;
    width = track.width;
    height = track.height;
    const QDateTime epoch(QDate(1904, 1, 1), QTime(0, 0), Qt::LocalTime);
    creationTime = epoch.addSecs(track.creationTime);
}

void Mp4Parser::parseMdia(qint64 payloadSize, Track &track)
{
    walkBoxes(payloadSize, [this, &track](const FourCC &type) {
        if (type == fourCC("hdlr"))
            parseHdlr(bodySize, track);
        else if (type == fourCC("minf"))
            parseMinf(bodySize, track);
    });
    classifyTrack(track);
}

// The name is read up to its first NUL, never past the box and never more
// than 255 bytes. A QuickTime length byte in front of it stays part of the
// name, which is only searched for ASCII words.
void Mp4Parser::parseHdlr(qint64 payloadSize, Track &track)
{
    char fixed[handlerFixedSize];
    readBytes(fixed, handlerFixedSize);
    const QByteArray type = QByteArray(fixed + 8, 4).toLower();
    if (type == "vide")
        track.kind = HandlerKind::Video;
    else if (type == "soun")
        track.kind = HandlerKind::Sound;
    else if (type == "text")
        track.kind = HandlerKind::Text;
    else if (type == "meta")
        track.kind = HandlerKind::Meta;
    else
        track.kind = HandlerKind::Other;

    const qint64 nameLength = qBound<qint64>(0, payloadSize - handlerFixedSize, handlerNameLimit);
    char name[handlerNameLimit];
    const qint64 delivered = readBytes(name, nameLength);
    const auto end = std::find(name, name + delivered, '\0');
    track.handlerName = QByteArray(name, static_cast<int>(end - name));
}

void Mp4Parser::parseMinf(qint64 payloadSize, Track &track)
{
    walkBoxes(payloadSize, [this, &track](const FourCC &type) {
        if (type == fourCC("stbl"))
            parseStbl(bodySize, track);
    });
}

void Mp4Parser::parseStbl(qint64 payloadSize, Track &track)
{
    walkBoxes(payloadSize, [this, &track](const FourCC &type) {
        if (type != fourCC("stco"))
            return;
        track.chunkTableEnd = currentBoxEnd();
        readBigEndian32();
        track.chunkCount = readBigEndian32();
        track.chunkTable = position();
    });
}

void Mp4Parser::classifyTrack(const Track &track)
{
    const QByteArray name = track.handlerName.toLower();
    if (name.contains("ambarella ext")) {
        gpsKind = GpsKind::ExtTrack;
        tableOffset = track.chunkTable;
        tableEnd = track.chunkTableEnd;
        recordCount = track.chunkCount;
    } else if (track.kind == HandlerKind::Meta && name.contains("gps")) {
        gpsKind = GpsKind::GpsMetaTrack;
        tableOffset = track.chunkTable;
        tableEnd = track.chunkTableEnd;
        recordCount = track.chunkCount;
    } else if (track.kind == HandlerKind::Sound && track.chunkCount > 0) {
        probeFreeGps(track);
    }
}

void Mp4Parser::probeFreeGps(const Track &track)
{
    const qint64 resumeAt = position();
    seekTo(track.chunkTable);
    const quint32 firstChunk = readBigEndian32();
    for (const quint32 probe : freeGpsProbeOffsets) {
        seekTo(qint64(firstChunk) + probe);
        char marker[8];
        readBytes(marker, 8);
        if (QByteArray::fromRawData(marker, 7) == "freeGPS") {
            gpsKind = GpsKind::AudioFreeGps;
            tableOffset = track.chunkTable;
            tableEnd = track.chunkTableEnd;
            recordCount = track.chunkCount;
            probeOffset = probe;
            break;
        }
    }
    seekTo(resumeAt);
}
