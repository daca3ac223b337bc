#include "FfmpegProgress.h"

#include <QtGlobal>

namespace {

// A line longer than this is no progress line; keeps a stream without line
// breaks from growing the buffer.
constexpr int longestLine = 256;

} // namespace

bool FfmpegProgress::feed(const QByteArray &bytes)
{
    bool reported = false;
    mPartial += bytes;
    int start = 0;
    for (int end = mPartial.indexOf('\n'); end >= 0; end = mPartial.indexOf('\n', start)) {
        takeLine(mPartial.mid(start, end - start).trimmed(), reported);
        start = end + 1;
    }
    mPartial.remove(0, start);
    if (mPartial.size() > longestLine)
        mPartial.clear();
    return reported;
}

void FfmpegProgress::takeLine(const QByteArray &line, bool &reported)
{
    const int equals = line.indexOf('=');
    if (equals <= 0)
        return;
    const QByteArray key = line.left(equals);
    const QByteArray value = line.mid(equals + 1);
    if (key == "out_time_us") {
        bool ok = false;
        const qint64 us = value.toLongLong(&ok);  // "N/A" before the first frame
        if (ok && us >= 0)
            mOutTimeUs = us;
    } else if (key == "progress") {
        reported = true;
        if (value == "end")
            mEnded = true;
    }
}

double FfmpegProgress::fraction() const
{
    if (mEnded)
        return 1.0;
    if (mDurationUs <= 0)
        return 0.0;
    return qBound(0.0, double(mOutTimeUs) / double(mDurationUs), 1.0);
}
