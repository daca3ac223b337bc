#pragma once

#include "TrackPoint.h"
#include "TrackWriter.h"

#include <QVector>

// A GeoJSON FeatureCollection with one Feature per file: a LineString of the
// samples that have a position (a Point for a single one, no geometry for
// none) and, per point in the same order, "coordTimes" (UTC, null when the
// record holds no valid time), "speeds" in m/s and "courses" in degrees.
class GeoJsonWriter : public TrackWriter
{
public:
    explicit GeoJsonWriter(QIODevice &output) : TrackWriter(output) {}

    void begin() override;
    void beginFile(const QString &path) override;
    void writeSample(const GpsData &data) override;
    void endFile() override;
    void end() override;

private:
    QString mPath;
    QVector<TrackPoint> mPoints;
    int mFeatures = 0;
};
