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

QJsonObject properties(const QString &path, const QVector<TrackPoint> &points)
{
    QJsonArray times;
    QJsonArray speeds;
    QJsonArray courses;
    for (const TrackPoint &point : points) {
        times.append(point.time().isValid() ? QJsonValue(point.time().toString(Qt::ISODate))
                                            : QJsonValue::Null);
        speeds.append(point.speedMetresPerSecond());
        courses.append(point.course);
    }
    return {{"name", QFileInfo(path).fileName()},
            {"file", path},
            {"coordTimes", times},
            {"speeds", speeds},
            {"courses", courses}};
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
    const TrackPoint point = TrackPoint::fromSample(data);
    if (point.hasFix)
        mPoints.append(point);
}

void GeoJsonWriter::endFile()
{
    const QJsonObject feature{{"type", "Feature"},
                              {"properties", properties(mPath, mPoints)},
                              {"geometry", geometry(mPoints)}};
    if (mFeatures++ > 0)
        out.write(",\n");
    out.write(QJsonDocument(feature).toJson(QJsonDocument::Compact));
    mPoints.clear();
}

void GeoJsonWriter::end()
{
    out.write("\n]}\n");
}
