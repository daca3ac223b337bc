#include "Mp4Parser.h"

#include <QDebug>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr qint64 plainHeaderSize = 8;
constexpr qint64 largeHeaderSize = 16;
constexpr qint64 movieHeaderSize = 112;   // version 1: 64-bit times
constexpr qint64 trackHeaderSize = 96;    // version 1: 64-bit times
constexpr qint64 mediaHeaderSize = 24;
constexpr qint64 trunBlockSize = 4096;
// Track fragment header and run flags: which optional fields are present.
constexpr quint32 tfhdBaseDataOffset = 0x01;
constexpr quint32 tfhdSampleDescription = 0x02;
constexpr quint32 tfhdDefaultDuration = 0x08;
constexpr quint32 trunDataOffset = 0x001;
constexpr quint32 trunFirstSampleFlags = 0x004;
constexpr quint32 trunSampleDuration = 0x100;
constexpr quint32 trunSampleFieldFlags = 0xF00;  // duration, size, flags, composition offset
constexpr qint64 handlerFixedSize = 24;  // version, pre-defined, type, reserved
constexpr qint64 handlerNameLimit = 255;
constexpr qint64 gps0RecordSize = 311;
// Cameras hide "freeGPS" at one of these offsets inside each audio chunk.
constexpr quint32 freeGpsProbeOffsets[] = {0x10004, 0x20004, 0x40004};

quint32 clampToCount(qint64 value)
{
    return static_cast<quint32>(qMin<qint64>(value, std::numeric_limits<quint32>::max()));
}

quint32 secondsCount(quint64 seconds)
{
    return static_cast<quint32>(qMin<quint64>(seconds, std::numeric_limits<quint32>::max()));
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
        else if (type == fourCC("moof") && mFragmented)
            parseMoof(bodySize);
    });
    takeFragmentedDuration();
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
        else if (type == fourCC("mvex"))
            parseMvex(bodySize);
    });
}

// Version 1 headers hold 64-bit times and durations.
void Mp4Parser::readMovieHeader()
{
    char body[movieHeaderSize];
    readBytes(body, movieHeaderSize);
    const bool wide = body[0] == 1;
    mMovieTimeScale = qFromBigEndian<quint32>(body + (wide ? 20 : 12));
    const quint64 movieDuration =
        wide ? qFromBigEndian<quint64>(body + 24) : qFromBigEndian<quint32>(body + 16);
    duration = mMovieTimeScale == 0 ? 0 : secondsCount(movieDuration / mMovieTimeScale);
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
    const bool wide = body[0] == 1;
    const int shift = wide ? 12 : 0;  // three times or durations of 8 bytes instead of 4
    track.creationTime =
        wide ? qFromBigEndian<quint64>(body + 4) : qFromBigEndian<quint32>(body + 4);
    track.id = qFromBigEndian<quint32>(body + (wide ? 20 : 12));
    track.width = static_cast<qint32>(qFromBigEndian<quint32>(body + 76 + shift) >> 16);
    track.height = static_cast<qint32>(qFromBigEndian<quint32>(body + 80 + shift) >> 16);
}

void Mp4Parser::readMediaHeader(Track &track)
{
    char body[mediaHeaderSize];
    readBytes(body, mediaHeaderSize);
    track.timeScale = qFromBigEndian<quint32>(body + (body[0] == 1 ? 20 : 12));
}

// The widest video track describes the video; the first of equal ones wins.
void Mp4Parser::adoptVideoTrack(const Track &track)
{
    if (track.kind != HandlerKind::Video || track.width <= width)
        return;
    width = track.width;
    height = track.height;
    mVideoTrackId = track.id;
    mVideoTimeScale = track.timeScale;
    // A creation time of 0 is a camera that wrote none, not 1904-01-01.
    const QDateTime epoch(QDate(1904, 1, 1), QTime(0, 0), Qt::UTC);  // MP4 times are UTC
    creationTime = track.creationTime == 0 || track.creationTime > quint64(std::numeric_limits<qint64>::max())
                       ? QDateTime()
                       : epoch.addSecs(qint64(track.creationTime));
}

void Mp4Parser::parseMdia(qint64 payloadSize, Track &track)
{
    walkBoxes(payloadSize, [this, &track](const FourCC &type) {
        if (type == fourCC("hdlr"))
            parseHdlr(bodySize, track);
        else if (type == fourCC("minf"))
            parseMinf(bodySize, track);
        else if (type == fourCC("mdhd"))
            readMediaHeader(track);
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

void Mp4Parser::parseMvex(qint64 payloadSize)
{
    mFragmented = true;
    walkBoxes(payloadSize, [this](const FourCC &type) {
        char body[16];
        if (type == fourCC("mehd")) {
            readBytes(body, 12);
            mFragmentDuration =
                body[0] == 1 ? qFromBigEndian<quint64>(body + 4) : qFromBigEndian<quint32>(body + 4);
        } else if (type == fourCC("trex") && mTrackDefaultsCount < trackDefaultsLimit) {
            readBytes(body, 16);
            mTrackDefaults[mTrackDefaultsCount++] = {qFromBigEndian<quint32>(body + 4),
                                                     qFromBigEndian<quint32>(body + 12)};
        }
    });
}

quint32 Mp4Parser::trexDefaultDuration(quint32 trackId) const
{
    for (int i = 0; i < mTrackDefaultsCount; ++i) {
        if (mTrackDefaults[i].trackId == trackId)
            return mTrackDefaults[i].sampleDuration;
    }
    return 0;
}

void Mp4Parser::parseMoof(qint64 payloadSize)
{
    walkBoxes(payloadSize, [this](const FourCC &type) {
        if (type == fourCC("traf"))
            parseTraf(bodySize);
    });
}

// A fragment of the video track starts at its tfdt's decode time, or where
// the one before it ended, and lasts the sum of its samples' durations.
void Mp4Parser::parseTraf(qint64 payloadSize)
{
    quint32 trackId = 0;
    quint32 defaultDuration = 0;
    bool hasStart = false;
    quint64 start = 0;
    quint64 length = 0;
    walkBoxes(payloadSize, [&, this](const FourCC &type) {
        if (type == fourCC("tfhd")) {
            const quint32 flags = readBigEndian32() & 0xFFFFFF;
            trackId = readBigEndian32();
            defaultDuration = trexDefaultDuration(trackId);
            if (flags & tfhdBaseDataOffset)
                readBigEndian64();
            if (flags & tfhdSampleDescription)
                readBigEndian32();
            if (flags & tfhdDefaultDuration)
                defaultDuration = readBigEndian32();
        } else if (type == fourCC("tfdt")) {
            const bool wide = readBigEndian32() >> 24 == 1;
            start = wide ? readBigEndian64() : readBigEndian32();
            hasStart = true;
        } else if (type == fourCC("trun") && trackId == mVideoTrackId) {
            length += trunDuration(defaultDuration);
        }
    });
    if (trackId != mVideoTrackId)
        return;
    const quint64 end = (hasStart ? start : mFragmentsEnd) + length;
    mFragmentsEnd = qMax(mFragmentsEnd, end);
}

// The sum of a run's sample durations: each sample's own when the run holds
// them (read a block at a time, never past the box), else the default.
quint64 Mp4Parser::trunDuration(quint32 defaultDuration)
{
    const qint64 boxEnd = currentBoxEnd();
    const quint32 flags = readBigEndian32() & 0xFFFFFF;
    const quint64 samples = readBigEndian32();
    if (flags & trunDataOffset)
        readBigEndian32();
    if (flags & trunFirstSampleFlags)
        readBigEndian32();
    if (!(flags & trunSampleDuration))
        return samples * defaultDuration;
    const qint64 entrySize = 4 * qPopulationCount(flags & trunSampleFieldFlags);
    const quint64 entries = qMin<quint64>(samples, quint64(qMax<qint64>(0, boxEnd - position()) / entrySize));
    char block[trunBlockSize];
    quint64 total = 0;
    for (quint64 done = 0; done < entries && takeWalkStep();) {
        const quint64 count = qMin<quint64>(entries - done, trunBlockSize / entrySize);
        readBytes(block, qint64(count) * entrySize);
        for (quint64 i = 0; i < count; ++i)
            total += qFromBigEndian<quint32>(block + i * entrySize);
        done += count;
    }
    return total;
}

void Mp4Parser::takeFragmentedDuration()
{
    if (!mFragmented || duration != 0)
        return;
    quint64 seconds = 0;
    if (mFragmentDuration > 0 && mMovieTimeScale > 0)
        seconds = mFragmentDuration / mMovieTimeScale;
    else if (mVideoTimeScale > 0)
        seconds = mFragmentsEnd / mVideoTimeScale;
    duration = secondsCount(seconds);
}
