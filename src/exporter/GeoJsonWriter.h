#pragma once

#include "TrackPoint.h"
#include "TrackWriter.h"

#include <QJsonObject>
#include <QStringList>
#include <QVector>

// A GeoJSON FeatureCollection with one Feature per file: a LineString of the
// samples that have a position (a Point for a single one, no geometry for
// none) and, per point in the same order, "coordTimes" (UTC, null when the
// record holds no valid time), "speeds" in m/s and "courses" in degrees.
// A merged trip is one Feature with a MultiLineString of one line per file
// that has two positions or more, its arrays one per line in the same order.
class GeoJsonWriter : public TrackWriter
{
public:
    explicit GeoJsonWriter(QIODevice &output) : TrackWriter(output) {}

    void begin() override;
    void beginFile(const QString &path) override;
    void writeSample(const GpsData &data) override;
    void endFile() override;
    void end() override;
    void beginTrip(const QString &name) override;
    void writePoint(const TrackPoint &point) override;
    void endTrip() override;

private:
    void writeFeature(const QJsonObject &feature);

    QString mPath;
    QVector<TrackPoint> mPoints;
    int mFeatures = 0;
    bool mInTrip = false;
    QString mTripName;
    QStringList mTripFiles;
    QVector<QVector<TrackPoint>> mTripLines;
};
