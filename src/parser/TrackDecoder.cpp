#include "TrackDecoder.h"

#include "CancelScope.h"

namespace {

bool cancelled(const CancelScope *cancel)
{
    return (cancel && cancel->isSet()) || CancelScope::requested();
}

} // namespace

TrackDecoder::TrackDecoder(ParserObject &parser, int endSecond)
    : mParser(parser),
      mEnd(static_cast<int>(qMin<qint64>(endSecond, parser.secondsToDecode())))
{
}

bool TrackDecoder::nextSample(GpsData &data, const CancelScope *cancel)
{
    while (mNext < mEnd) {
        if (cancelled(cancel))
            return false;
        if (mParser.getGpsData(mNext++, data, mCourse))
            return true;
    }
    return false;
}

bool TrackDecoder::decodeUntil(int second, TelemetryTrack &track, const CancelScope *cancel)
{
    const int end = qMin(second, mEnd);
    GpsData data;
    while (mNext < end) {
        if (cancelled(cancel))
            return false;
        const int current = mNext++;
        if (mParser.getGpsData(current, data, mCourse))
            track.append(TrackPoint::fromSample(data));
    }
    return true;
}

TelemetryTrack decodeTrack(ParserObject &parser, const CancelScope *cancel)
{
    TrackDecoder decoder(parser);
    TelemetryTrack track;
    decoder.decodeUntil(decoder.endSecond(), track, cancel);
    return track;
}
