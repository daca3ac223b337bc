#pragma once

#include "ParserObject.h"
#include "TrackPoint.h"

#include <limits>

class CancelScope;

// The one pass over every record of a file, in second order, as a
// play-through from the start asks for them: each course is taken from the
// sample before it, with a course state of its own, so playback requests
// served in between change nothing. It asks for no more seconds than the
// file can hold (ParserObject::secondsToDecode) and stops at once when its
// cancel scope is set.
//
// A worker that must keep serving playback decodes in slices:
//     TrackDecoder decoder(parser);
//     while (!decoder.atEnd()) { decoder.decodeUntil(decoder.nextSecond() + 10, track); ... }
class TrackDecoder
{
public:
    // Decodes seconds [0, min(endSecond, parser.secondsToDecode())).
    explicit TrackDecoder(ParserObject &parser, int endSecond = std::numeric_limits<int>::max());

    int nextSecond() const { return mNext; }
    int endSecond() const { return mEnd; }
    bool atEnd() const { return mNext >= mEnd; }

    // The sample of the next second that has one; false at the end or once
    // cancelled.
    bool nextSample(GpsData &data, const CancelScope *cancel = nullptr);
    // Appends the points of the seconds from nextSecond() up to, not
    // including, `second`; false when cancelled before that.
    bool decodeUntil(int second, TelemetryTrack &track, const CancelScope *cancel = nullptr);

private:
    ParserObject &mParser;
    ParserObject::CourseState mCourse;
    int mNext = 0;
    int mEnd = 0;
};

// Every point of the file; empty without telemetry, partial when cancelled.
TelemetryTrack decodeTrack(ParserObject &parser, const CancelScope *cancel = nullptr);
