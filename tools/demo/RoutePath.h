#pragma once

#include "DemoRoute.h"

#include <QVector>

struct GeoPoint
{
    double latitude;
    double longitude;
};

// The route as a line the car can follow, in metres along it: waypoints are
// projected onto a flat map around the first one (exact enough for a few
// km) and every corner is rounded to an arc, so the heading turns smoothly.
class RoutePath
{
public:
    struct Corner
    {
        double start;   // distance where the arc begins
        double end;     // distance where it ends
        double radius;  // metres
    };

    RoutePath(const QVector<RouteWaypoint> &waypoints, double cornerRadius);

    double length() const { return mDistances.last(); }
    // Where the car waits for waypoint `index`: at the start of its corner.
    double waypointDistance(int index) const { return mWaypointDistances.at(index); }
    const QVector<Corner> &corners() const { return mCorners; }

    GeoPoint positionAt(double distance) const;
    // Direction of travel in radians, clockwise from north.
    double headingAt(double distance) const;

private:
    struct Point
    {
        double east;
        double north;
    };

    void append(const Point &point);
    double appendCorner(const Point &previous, const Point &corner, const Point &next,
                      double radius);
    int segmentAt(double distance) const;
    Point toLocal(double latitude, double longitude) const;

    double mOriginLatitude = 0.0;
    double mOriginLongitude = 0.0;
    double mMetresPerDegreeEast = 0.0;
    QVector<Point> mPoints;
    QVector<double> mDistances;
    QVector<double> mWaypointDistances;
    QVector<Corner> mCorners;
};
