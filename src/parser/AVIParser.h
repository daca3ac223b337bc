#pragma once

#include "ParserObject.h"

// Parser for AVI files. The constructor reads the RIFF header and the AVI
// main header for the video information, then finds the camera's records:
// first a "GPSL" block whose offset the camera writes in the file's last four
// bytes, otherwise the "01wb" audio chunks of the movi list, each of which
// carries one record.
class AVIParser : public ParserObject
{
    Q_OBJECT
public:
    AVIParser(const QString &path, QObject *parent = nullptr);

    // How far from the start the search for the movi list may look. A
    // camera's movi list follows its headers within a few kilobytes.
    static constexpr qint64 moviSearchLimit = 64 * 1024 * 1024;

private:
    struct ChunkHeader
    {
        FourCC id{};
        quint32 size = 0;
        FourCC type{};  // list type for "RIFF" and "LIST"
    };
    struct MoviList
    {
        qint64 firstChunk = -1;  // right after the "movi" list type
        quint32 size = 0;
    };

    void walk();
    ChunkHeader readChunkHeader();
    bool readMainHeader();
    bool findGpslBlock();
    void checkTrailingData(quint32 riffSize);
    MoviList findMoviList();
    quint32 countAudioChunks(const MoviList &movi);
};
