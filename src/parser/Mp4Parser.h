#pragma once

#include "ParserObject.h"

// Parser for MP4 and MOV files (ISO base media boxes, QuickTime atoms). The
// constructor walks the box tree once: it fills the video information from
// mvhd and the widest video track, and finds where the camera put its
// records (a "gps0" box, a "gps " table, an "Ambarella EXT" track, a gps meta
// track, or "freeGPS" blocks in the sound track's chunks). The last layout
// found in file order wins.
//
// A fragmented file (moov with an mvex, the media in moof + mdat pairs after
// it) has a movie duration of 0: its length comes from the mvex's mehd, else
// from the durations of the video track's fragments.
class Mp4Parser : public ParserObject
{
    Q_OBJECT
public:
    Mp4Parser(const QString &path, QObject *parent = nullptr);

private:
    enum class HandlerKind { None, Video, Sound, Text, Meta, Other };

    struct Track
    {
        HandlerKind kind = HandlerKind::None;
        quint32 id = 0;
        quint32 timeScale = 0;   // media time scale (mdhd)
        qint32 width = 0;
        qint32 height = 0;
        quint64 creationTime = 0;
        QByteArray handlerName;
        qint64 chunkTable = 0;   // first entry of the track's stco
        qint64 chunkTableEnd = 0;
        quint32 chunkCount = 0;
    };

    // Reads one box header; returns boxSize. boxSize is 0 for a size-0 box
    // and -1 for a header that claims less than its own length.
    qint64 readBoxHeader();
    // Walks the boxes of one level, calling handle(type) for each box; the
    // handler reads what it needs and the walk continues at the box's end.
    template<typename Handle>
    void walkBoxes(qint64 payloadSize, Handle handle);
    // Where the box whose body starts at the current position ends, or the
    // end of the file if it runs past it.
    qint64 currentBoxEnd() const;

    void parseMoov(qint64 payloadSize);
    void parseTrak(qint64 payloadSize);
    void parseMdia(qint64 payloadSize, Track &track);
    void parseMinf(qint64 payloadSize, Track &track);
    void parseStbl(qint64 payloadSize, Track &track);
    void parseHdlr(qint64 payloadSize, Track &track);
    void readMovieHeader();
    void readTrackHeader(Track &track);
    void readMediaHeader(Track &track);
    void parseMvex(qint64 payloadSize);
    void parseMoof(qint64 payloadSize);
    void parseTraf(qint64 payloadSize);
    quint64 trunDuration(quint32 defaultDuration);
    quint32 trexDefaultDuration(quint32 trackId) const;
    void takeFragmentedDuration();
    void takeGps0Box();
    void takeGpsBoxTable();
    void classifyTrack(const Track &track);
    void probeFreeGps(const Track &track);
    void adoptVideoTrack(const Track &track);

    qint64 boxSize = 0;
    qint64 bodySize = 0;
    FourCC boxType{};

    // Fragmented files.
    struct TrackDefaults
    {
        quint32 trackId = 0;
        quint32 sampleDuration = 0;
    };
    static constexpr int trackDefaultsLimit = 8;
    quint32 mMovieTimeScale = 0;
    bool mFragmented = false;
    quint64 mFragmentDuration = 0;  // mehd, in the movie time scale
    TrackDefaults mTrackDefaults[trackDefaultsLimit];
    int mTrackDefaultsCount = 0;
    quint32 mVideoTrackId = 0;
    quint32 mVideoTimeScale = 0;
    quint64 mFragmentsEnd = 0;      // end of the video track's last fragment, media time scale
};
