#pragma once

#include "TrackWriter.h"

#include <QStringList>

// One subtitle cue per second of telemetry, from the sample's second to the
// next: the caption of TelemetryCaption. The formats differ only in how a
// file begins, how a cue is framed and what they escape, so every character
// a text can hold is shown as itself.
class SubtitleWriter : public TrackWriter
{
public:
    SubtitleWriter(QIODevice &output, bool milesPerHour);

    void beginFile(const QString &path) override;
    void writeSample(const GpsData &data) override;
    void writePoint(const TrackPoint &point) override;

    // A cue of any text lines, shown from `second` for one second.
    virtual void writeCue(int second, const QStringList &lines) = 0;

protected:
    void write(const QString &text);

private:
    bool mMilesPerHour;
};

// SubRip: numbered cues, "hh:mm:ss,mmm --> hh:mm:ss,mmm", text, blank line.
class SrtWriter : public SubtitleWriter
{
public:
    using SubtitleWriter::SubtitleWriter;
    void beginFile(const QString &path) override;
    void writeCue(int second, const QStringList &lines) override;

    // A line as SubRip readers show it verbatim: no tags, no override blocks, no
    // line breaks.
    static QString escaped(const QString &line);

private:
    int mCue = 0;
};

// Advanced SubStation Alpha, styled for burning into a picture: white text
// with a dark outline on a translucent band along the bottom.
class AssWriter : public SubtitleWriter
{
public:
    using SubtitleWriter::SubtitleWriter;
    void begin() override;
    void writeCue(int second, const QStringList &lines) override;

    // A line as libass draws it verbatim: no override blocks, no escapes.
    static QString escaped(const QString &line);
};
