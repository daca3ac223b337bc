#pragma once

#include "ExportRequest.h"

#include <QString>

#include <atomic>

// The files an export writes from the range's telemetry: the track as GPX
// and the subtitles as SRT beside the video, and the overlay script (ASS)
// burned into it. Runs on a worker thread, so the window never waits for it:
// everything comes in and goes out by value, and a cancel stops it between
// two points.
class ExportTexts
{
public:
    // Files already created (empty, under temporary names); an empty overlay
    // path: no overlay.
    struct Paths
    {
        QString gpx;
        QString srt;
        QString overlay;
    };

    // Empty when every file is written; otherwise why one is not. A file
    // removed meanwhile is not made again.
    static QString write(const ExportRequest &request, const Paths &paths, const std::atomic_bool &cancelled);
};
