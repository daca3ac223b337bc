#include "RoutePath.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double metresPerDegree = 111195.0;  // along a meridian
constexpr double degreesToRadians = M_PI / 180.0;
constexpr double arcStep = 5.0 * degreesToRadians;
constexpr double straightTolerance = 1.0 * degreesToRadians;

double angleOf(double east, double north)
{
    return std::atan2(north, east);
}

} // namespace

RoutePath::RoutePath(const QVector<RouteWaypoint> &waypoints, double cornerRadius)
{
    const RouteWaypoint &origin = waypoints.first();
    mOriginLatitude = origin.latitude;
    mOriginLongitude = origin.longitude;
    mMetresPerDegreeEast = metresPerDegree * std::cos(origin.latitude * degreesToRadians);

    QVector<Point> local;
    for (const RouteWaypoint &waypoint : waypoints)
        local.append(toLocal(waypoint.latitude, waypoint.longitude));

    append(local.first());
    mWaypointDistances.append(0.0);
    for (int i = 1; i + 1 < local.size(); ++i)
        mWaypointDistances.append(appendCorner(local[i - 1], local[i], local[i + 1], cornerRadius));
    append(local.last());
    mWaypointDistances.append(length());
}

void RoutePath::append(const Point &point)
{
    if (mPoints.isEmpty()) {
        mDistances.append(0.0);
    } else {
        const Point &last = mPoints.last();
        mDistances.append(length() + std::hypot(point.east - last.east, point.north - last.north));
    }
    mPoints.append(point);
}

// Replaces the sharp corner by an arc tangent to both streets; returns the
// distance where the arc begins (the corner itself when the road runs straight).
double RoutePath::appendCorner(const Point &previous, const Point &corner, const Point &next,
                             double radius)
{
    const double inLength = std::hypot(corner.east - previous.east, corner.north - previous.north);
    const double outLength = std::hypot(next.east - corner.east, next.north - corner.north);
    const double inAngle = angleOf(corner.east - previous.east, corner.north - previous.north);
    const double outAngle = angleOf(next.east - corner.east, next.north - corner.north);
    const double turn = std::remainder(outAngle - inAngle, 2.0 * M_PI);  // > 0 turns left
    if (std::fabs(turn) < straightTolerance) {
        append(corner);
        return length();
    }
    const double cut = std::min(radius * std::tan(std::fabs(turn) / 2.0),
                                std::min(inLength, outLength) / 2.0);
    const double arcRadius = cut / std::tan(std::fabs(turn) / 2.0);
    const Point arcStart{corner.east - std::cos(inAngle) * cut,
                         corner.north - std::sin(inAngle) * cut};
    const double side = turn > 0 ? 1.0 : -1.0;
    const Point centre{arcStart.east - std::sin(inAngle) * arcRadius * side,
                       arcStart.north + std::cos(inAngle) * arcRadius * side};

    append(arcStart);
    const double start = length();
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(turn) / arcStep)));
    for (int step = 1; step <= steps; ++step) {
        const double rotation = turn * step / steps;
        const double east = arcStart.east - centre.east;
        const double north = arcStart.north - centre.north;
        append({centre.east + east * std::cos(rotation) - north * std::sin(rotation),
                centre.north + east * std::sin(rotation) + north * std::cos(rotation)});
    }
    mCorners.append({start, length(), arcRadius});
    return start;
}

int RoutePath::segmentAt(double distance) const
{
    const auto after = std::upper_bound(mDistances.cbegin(), mDistances.cend(), distance);
    const int index = static_cast<int>(after - mDistances.cbegin()) - 1;
    return std::clamp(index, 0, static_cast<int>(mPoints.size()) - 2);
}

GeoPoint RoutePath::positionAt(double distance) const
{
    const int segment = segmentAt(distance);
    const double span = mDistances[segment + 1] - mDistances[segment];
    const double along = span > 0 ? std::clamp((distance - mDistances[segment]) / span, 0.0, 1.0)
                                  : 0.0;
    const Point &from = mPoints[segment];
    const Point &to = mPoints[segment + 1];
    const double east = from.east + (to.east - from.east) * along;
    const double north = from.north + (to.north - from.north) * along;
    return {mOriginLatitude + north / metresPerDegree,
            mOriginLongitude + east / mMetresPerDegreeEast};
}

double RoutePath::headingAt(double distance) const
{
    const int segment = segmentAt(distance);
    const Point &from = mPoints[segment];
    const Point &to = mPoints[segment + 1];
    return std::atan2(to.east - from.east, to.north - from.north);
}

RoutePath::Point RoutePath::toLocal(double latitude, double longitude) const
{
    return {(longitude - mOriginLongitude) * mMetresPerDegreeEast,
            (latitude - mOriginLatitude) * metresPerDegree};
}
