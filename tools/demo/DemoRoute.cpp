#include "DemoRoute.h"

// Intersections on Manhattan's street grid, which runs 29 degrees east of
// north: a street block is about 80 m, 5th to 6th Avenue about 280 m.
const QVector<DemoTrip> &demoTrips()
{
    static const QVector<DemoTrip> trips = {
        {
            QDateTime(QDate(2026, 12, 6), QTime(10, 15, 0), Qt::UTC),
            {
                {40.75141, -73.98610, 40, 3, "6th Ave & W 37th St"},
                {40.75329, -73.98472, 40, 0, "6th Ave & W 40th St"},
                {40.75455, -73.98380, 35, 8, "6th Ave & W 42nd St"},
                {40.75333, -73.98090, 35, 6, "5th Ave & E 42nd St"},
                {40.75268, -73.97934, 40, 0, "Madison Ave & E 42nd St"},
                {40.75456, -73.97796, 40, 6, "Madison Ave & E 45th St"},
                {40.75771, -73.97566, 0, 0, "Madison Ave & E 50th St"},
            },
            {
                {250.0, 0.85},  // 6th Avenue near W 40th Street
                {740.0, 0.60},  // W 42nd Street by the library
            },
            18.5,  // a taxi pulls out on 6th Avenue
        },
        {
            QDateTime(QDate(2026, 12, 6), QTime(11, 15, 0), Qt::UTC),
            {
                {40.76079, -73.96932, 40, 2, "Lexington Ave & E 57th St"},
                {40.75828, -73.97116, 40, 0, "Lexington Ave & E 53rd St"},
                {40.75703, -73.97208, 35, 7, "Lexington Ave & E 51st St"},
                {40.75389, -73.97438, 35, 0, "Lexington Ave & E 46th St"},
                {40.75138, -73.97622, 30, 5, "Lexington Ave & E 42nd St"},
                {40.75203, -73.97778, 30, 0, "Park Ave & E 42nd St"},
                {40.75268, -73.97934, 0, 0, "Madison Ave & E 42nd St"},
            },
            {
                {420.0, 0.75},  // Lexington Avenue by E 52nd Street
            },
            -1.0,
        },
    };
    return trips;
}
