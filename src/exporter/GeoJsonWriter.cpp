#include "GeoJsonWriter.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue geometry(const QVector<TrackPoint> &points)
{
    QJsonArray coordinates;
    for (const TrackPoint &point : points)
        coordinates.append(QJsonArray{point.longitude, point.latitude});
    if (points.isEmpty())
        return QJsonValue::Null;
    if (points.size() == 1)
        return QJsonObject{{"type", "Point"}, {"coordinates", coordinates.first()}};
    return QJsonObject{{"type", "LineString"}, {"coordinates", coordinates}};
}

struct PointArrays
{
    explicit PointArrays(const QVector<TrackPoint> &points)
    {
        for (const TrackPoint &point : points) {
            coordinates.append(QJsonArray{point.longitude, point.latitude});
            times.append(point.time().isValid() ? QJsonValue(point.time().toString(Qt::ISODate))
                                                : QJsonValue::Null);
            speeds.append(point.speedMetresPerSecond());
            courses.append(point.course);
        }
    }
    QJsonArray coordinates, times, speeds, courses;
};

QJsonObject properties(const QString &path, const QVector<TrackPoint> &points)
{
    const PointArrays arrays(points);
    return {{"name", QFileInfo(path).fileName()},
            {"file", path},
            {"coordTimes", arrays.times},
            {"speeds", arrays.speeds},
            {"courses", arrays.courses}};
}

} // namespace

// The collection is written around the features so that each file's points
// are let go once its feature is out; Qt writes and escapes every feature.
void GeoJsonWriter::begin()
{
    out.write("{\"type\":\"FeatureCollection\",\"features\":[\n");
}

void GeoJsonWriter::beginFile(const QString &path)
{
    mPath = path;
    mPoints.clear();
}

void GeoJsonWriter::writeSample(const GpsData &data)
{
    writePoint(TrackPoint::fromSample(data));
}

void GeoJsonWriter::writePoint(const TrackPoint &point)
{
    if (point.hasFix)
        mPoints.append(point);
}

void GeoJsonWriter::endFile()
{
    if (mInTrip) {
        mTripFiles.append(mPath);
        // A line needs two positions.
        if (mPoints.size() >= 2)
            mTripLines.append(mPoints);
        mPoints.clear();
        return;
    }
    writeFeature({{"type", "Feature"},
                  {"properties", properties(mPath, mPoints)},
                  {"geometry", geometry(mPoints)}});
    mPoints.clear();
}

void GeoJsonWriter::beginTrip(const QString &name)
{
    mInTrip = true;
    mTripName = name;
    mTripFiles.clear();
    mTripLines.clear();
}

void GeoJsonWriter::endTrip()
{
    QJsonArray lines, times, speeds, courses;
    for (const QVector<TrackPoint> &line : qAsConst(mTripLines)) {
        const PointArrays arrays(line);
        lines.append(arrays.coordinates);
        times.append(arrays.times);
        speeds.append(arrays.speeds);
        courses.append(arrays.courses);
    }
    const QJsonObject properties{{"name", mTripName},
                                 {"files", QJsonArray::fromStringList(mTripFiles)},
                                 {"coordTimes", times},
                                 {"speeds", speeds},
                                 {"courses", courses}};
    const QJsonValue geometry = lines.isEmpty()
                                    ? QJsonValue(QJsonValue::Null)
                                    : QJsonObject{{"type", "MultiLineString"}, {"coordinates", lines}};
    writeFeature({{"type", "Feature"}, {"properties", properties}, {"geometry", geometry}});
    mInTrip = false;
    mTripLines.clear();
}

void GeoJsonWriter::writeFeature(const QJsonObject &feature)
{
    if (mFeatures++ > 0)
        out.write(",\n");
    out.write(QJsonDocument(feature).toJson(QJsonDocument::Compact));
}

void GeoJsonWriter::end()
{
    out.write("\n]}\n");
}
