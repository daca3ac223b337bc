#pragma once

#include "TrackWriter.h"

#include <QXmlStreamWriter>

// GPX 1.1: one <trk> per file, named after it, with one <trkseg> holding a
// <trkpt> per sample that has a position; or one <trk> per trip with one
// <trkseg> per file. Speed (m/s) and course go into
// Garmin's TrackPointExtension v2, which mapping tools read.
class GpxWriter : public TrackWriter
{
public:
    explicit GpxWriter(QIODevice &output);

    void begin() override;
    void beginFile(const QString &path) override;
    void writeSample(const GpsData &data) override;
    void endFile() override;
    void end() override;
    void beginTrip(const QString &name) override;
    void writePoint(const TrackPoint &point) override;
    void endTrip() override;

private:
    QXmlStreamWriter mXml;
    bool mInTrip = false;
};
