#pragma once

#include <QDateTime>
#include <QVector>

// A corner or crossing of a demo drive in Midtown Manhattan, as driven.
struct RouteWaypoint
{
    double latitude;
    double longitude;
    double cruiseKmh;  // speed on the street that starts here
    int stopSeconds;   // waiting at a red light here; 0 drives through
    const char *place;
};

// A pothole lying `distance` metres along the route; `strength` is the extra
// vertical g that the car's sensor feels when it hits it.
struct Pothole
{
    double distance;
    double strength;
};

// One drive of the demo morning: where it goes, what lies on the road, and
// the moment somebody pulls out in front of the car.
struct DemoTrip
{
    QDateTime start;            // drive second 0, UTC
    QVector<RouteWaypoint> route;
    QVector<Pothole> potholes;
    double emergencyStop;       // drive second at which the driver stands on the brake; < 0: none
};

// Two drives an hour apart. The first goes north up 6th Avenue, right into
// West 42nd Street past Bryant Park and left up Madison Avenue; the second
// comes down Lexington Avenue and turns right into East 42nd Street. Every
// street is driven in its real direction of traffic.
const QVector<DemoTrip> &demoTrips();
