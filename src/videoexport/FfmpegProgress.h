#pragma once

#include <QByteArray>

// Reads ffmpeg's -progress output (key=value lines, a block per report
// ending in "progress=continue" or "progress=end") as it arrives in pieces,
// and tells how far the output has come against the expected duration.
class FfmpegProgress
{
public:
    explicit FfmpegProgress(int durationSeconds = 0) : mDurationUs(qint64(durationSeconds) * 1000000) {}

    // Takes the next piece of output; true when a report block ended in it.
    bool feed(const QByteArray &bytes);

    // Share of the duration written, 0 to 1; 1 once ffmpeg said "end".
    double fraction() const;
    bool ended() const { return mEnded; }

private:
    void takeLine(const QByteArray &line, bool &reported);

    qint64 mDurationUs;
    qint64 mOutTimeUs = 0;
    bool mEnded = false;
    QByteArray mPartial;
};
