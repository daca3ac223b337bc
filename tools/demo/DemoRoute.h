#pragma once

#include <QVector>

// A corner or crossing of the demo drive in Midtown Manhattan, as driven.
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

// North up 6th Avenue, right into West 42nd Street past Bryant Park, left up
// Madison Avenue: every street is driven in its real direction of traffic.
const QVector<RouteWaypoint> &demoRoute();
const QVector<Pothole> &demoPotholes();
