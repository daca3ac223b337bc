#pragma once

#include <QUrl>

// What the playback controller drives: the main player and, for a recording
// of two cameras, a second one beside it that follows every command. The
// play area is the real one; tests put in their own.
class PlaybackOutput
{
public:
    virtual ~PlaybackOutput() = default;

    // 1: one player; 2: the main player and a second one beside it.
    virtual void setPlayMode(int mode) = 0;
    // Stops, then loads `mainUrl` (of playlist row `rowId`) and, when
    // `secondUrl` is valid, the other camera's file (of `secondRowId`) beside
    // it. Loading does not start playback.
    virtual void load(int rowId, const QUrl &mainUrl, int secondRowId, const QUrl &secondUrl) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void seek(int seconds) = 0;
};
