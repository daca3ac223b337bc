#pragma once

#include "GpsData.h"
#include "TrackPoint.h"

#include <QIODevice>
#include <QString>

// Writes the samples of one or more files in one output format. The exporter
// calls begin(), then per file beginFile(), writeSample() for each sample in
// ascending seconds and endFile(), and finally end().
//
// The track formats (GPX, KML, GeoJSON) also merge trips: between
// beginTrip() and endTrip() each file is one segment of the trip's track,
// and its points may come as track points (writePoint) instead of samples.
class TrackWriter
{
public:
    explicit TrackWriter(QIODevice &output) : out(output) {}
    virtual ~TrackWriter() = default;
    TrackWriter(const TrackWriter &) = delete;
    TrackWriter &operator=(const TrackWriter &) = delete;

    virtual void begin() {}
    virtual void beginFile(const QString &path) = 0;
    virtual void writeSample(const GpsData &data) = 0;
    virtual void endFile() {}
    virtual void end() {}

    virtual void beginTrip(const QString &name) { Q_UNUSED(name) }
    virtual void writePoint(const TrackPoint &point) { Q_UNUSED(point) }
    virtual void endTrip() {}

protected:
    QIODevice &out;
};
