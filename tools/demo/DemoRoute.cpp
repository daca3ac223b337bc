#include "DemoRoute.h"

// Intersections on Manhattan's street grid, which runs 29 degrees east of
// north: a street block is about 80 m, 5th to 6th Avenue about 280 m.
const QVector<RouteWaypoint> &demoRoute()
{
    static const QVector<RouteWaypoint> route = {
        {40.75141, -73.98610, 40, 3, "6th Ave & W 37th St"},
        {40.75329, -73.98472, 40, 0, "6th Ave & W 40th St"},
        {40.75455, -73.98380, 35, 8, "6th Ave & W 42nd St"},
        {40.75333, -73.98090, 35, 6, "5th Ave & E 42nd St"},
        {40.75268, -73.97934, 40, 0, "Madison Ave & E 42nd St"},
        {40.75456, -73.97796, 40, 6, "Madison Ave & E 45th St"},
        {40.75771, -73.97566, 0, 0, "Madison Ave & E 50th St"},
    };
    return route;
}

const QVector<Pothole> &demoPotholes()
{
    static const QVector<Pothole> potholes = {
        {250.0, 0.85},  // 6th Avenue near W 40th Street
        {740.0, 0.60},  // W 42nd Street by the library
    };
    return potholes;
}
