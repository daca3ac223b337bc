#include "AVIParser.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 riffHeaderSize = 12;
constexpr qint64 mainHeaderSize = 56;
constexpr qint64 scanBlockSize = 4096;
constexpr qint64 audioChunkRecordEnd = 8 + 65530 + gpsRecordFieldsSize;

bool isAudioChunk(const char *id)
{
    return std::memcmp(id, "01wb", 4) == 0;
}

} // namespace

AVIParser::AVIParser(const QString &path, QObject *parent)
    : ParserObject(path, parent)
{
    walk();
    finishWalk();
}

void AVIParser::walk()
{
    seekTo(0);
    const ChunkHeader riff = readChunkHeader();
    if (riff.id != fourCC("RIFF") || riff.type != fourCC("AVI ") || riff.size == 0)
        return;
    if (riff.size > fileSize() - 8)
        noteTruncated();
    readMainHeader();
    if (findGpslBlock())
        return;
    checkTrailingData(riff.size);
    const MoviList movi = findMoviList();
    if (movi.firstChunk < 0)
        return;
    const quint32 audioChunks = countAudioChunks(movi);
    if (audioChunks > 0) {
        gpsKind = GpsKind::AviAudioChunks;
        recordCount = audioChunks;
        tableOffset = movi.firstChunk;
    }
}

AVIParser::ChunkHeader AVIParser::readChunkHeader()
{
    char bytes[riffHeaderSize];
    readBytes(bytes, riffHeaderSize);  // one read: the header search reads little else
    ChunkHeader header;
    std::memcpy(header.id.data(), bytes, 4);
    header.size = qFromLittleEndian<quint32>(bytes + 4);
    std::memcpy(header.type.data(), bytes + 8, 4);
    return header;
}

// A standard file has "LIST" "hdrl" right after the RIFF header and "avih"
// first inside it; otherwise the search moves on 12 bytes at a time.
bool AVIParser::readMainHeader()
{
    while (!atEnd() && takeWalkStep()) {
        const ChunkHeader header = readChunkHeader();
        if (header.id != fourCC("LIST") || header.type != fourCC("hdrl") || header.size == 0)
            continue;
        const FourCC id = readFourCC();
        const quint32 size = readLittleEndian32();
        if (id != fourCC("avih") || size == 0)
            continue;
        char body[mainHeaderSize] = {};
        readBytes(body, qMin<qint64>(size, mainHeaderSize));
        const quint64 microsecondsPerFrame = qFromLittleEndian<quint32>(body);
        const quint64 totalFrames = qFromLittleEndian<quint32>(body + 16);
        duration = static_cast<quint32>(microsecondsPerFrame * totalFrames / 1000000u);
        width = static_cast<qint32>(qFromLittleEndian<quint32>(body + 32));
        height = static_cast<qint32>(qFromLittleEndian<quint32>(body + 36));
        return true;
    }
    return false;
}

bool AVIParser::findGpslBlock()
{
    if (fileSize() < 4 || !seekTo(fileSize() - 4))
        return false;
    const quint32 blockOffset = readBigEndian32();
    if (blockOffset >= fileSize() || !seekTo(blockOffset))
        return false;
    if (readFourCC() != fourCC("GPSL"))
        return false;
    recordCount = readBigEndian32();
    tableOffset = position();
    gpsKind = GpsKind::GpslBlock;
    if (recordCount > (fileSize() - tableOffset) / gpsRecordSize)
        noteTruncated();
    return true;
}

// A GPSL block right after the RIFF data whose offset is not in the file's
// last four bytes was cut before the camera could write them.
void AVIParser::checkTrailingData(quint32 riffSize)
{
    const qint64 riffEnd = 8 + qint64(riffSize);
    if (riffEnd > fileSize() - 4 || !seekTo(riffEnd))
        return;
    if (readFourCC() == fourCC("GPSL"))
        noteTruncated();
}

// Looks at every fourth byte from the end of the RIFF header for "LIST",
// stepping over the 12-byte list header when the list is not movi. Chunk
// bodies are not skipped, so the scan reads the file a block at a time.
AVIParser::MoviList AVIParser::findMoviList()
{
    const qint64 scanEnd = qMin(fileSize(), moviSearchLimit);
    QByteArray block;
    qint64 blockStart = 0;
    const auto bytesAt = [&](qint64 offset, qint64 length) -> const char * {
        if (offset < blockStart || offset + length > blockStart + block.size()) {
            blockStart = offset;
            block.resize(scanBlockSize);
            seekTo(blockStart);
            readBytes(block.data(), scanBlockSize);
        }
        return block.constData() + (offset - blockStart);
    };

    qint64 offset = riffHeaderSize;
    while (offset < scanEnd) {
        const char *bytes = bytesAt(offset, riffHeaderSize);
        if (std::memcmp(bytes, "LIST", 4) != 0) {
            offset += 4;
            continue;
        }
        if (std::memcmp(bytes + 8, "movi", 4) == 0) {
            MoviList movi;
            movi.firstChunk = offset + riffHeaderSize;
            movi.size = qFromLittleEndian<quint32>(bytes + 4);
            return movi;
        }
        offset += riffHeaderSize;
    }
    return {};
}

// Audio chunk sizes are taken as they are; any other chunk is followed by a
// pad byte when its size is odd. The list type counts towards the list size.
quint32 AVIParser::countAudioChunks(const MoviList &movi)
{
    quint64 consumed = 4;
    qint64 chunkStart = movi.firstChunk;
    quint32 audioChunks = 0;
    while (consumed < movi.size && chunkStart < fileSize() && takeWalkStep()) {
        seekTo(chunkStart);
        char header[8];
        readBytes(header, 8);
        const quint32 size = qFromLittleEndian<quint32>(header + 4);
        quint64 advance = 8ull + size;
        if (isAudioChunk(header)) {
            ++audioChunks;
            if (quint32(audioChunkStarts.size()) < recordCheckLimit)
                audioChunkStarts.append(chunkStart);
            if (chunkStart <= fileSize() - audioChunkRecordEnd)
                ++readableAudioChunks;
        } else {
            advance += size & 1u;
        }
        if (advance > quint64(fileSize() - chunkStart))
            noteTruncated();
        chunkStart += static_cast<qint64>(advance);
        consumed += advance;
    }
    return audioChunks;
}
