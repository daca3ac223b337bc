#include "TrackPoint.h"

#include "CameraTime.h"

#include <cmath>

TrackPoint TrackPoint::fromSample(const GpsData &data)
{
    TrackPoint point;
    point.second = data.second;
    point.hasTime = CameraTime::toUtcMsecs(data.dateTime, point.utcMsecs);
    point.latitude = signedLatitude(data);
    point.longitude = signedLongitude(data);
    point.hasFix = point.latitude != 0.0 || point.longitude != 0.0;
    point.speedKmh = static_cast<float>(data.speed);
    // A course a hair below 360 may round to 360, which GPX does not allow.
    point.course = std::fmod(data.bearing, 360.0);
    point.gX = data.gX;
    point.gY = data.gY;
    point.gZ = data.gZ;
    return point;
}

QDateTime TrackPoint::time() const
{
    return hasTime ? QDateTime::fromMSecsSinceEpoch(utcMsecs, Qt::UTC) : QDateTime();
}
