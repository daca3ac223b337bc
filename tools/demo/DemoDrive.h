#pragma once

#include "GpsRecord.h"
#include "RoutePath.h"

#include <QDateTime>
#include <QVector>

// What the camera logs for one second of the drive.
struct DriveSample
{
    GeoPoint position;
    int speedKmh;
    double gX;  // lateral, positive while turning right
    double gY;  // longitudinal, positive while speeding up
    double gZ;  // vertical, 1 g at rest
};

// A demo drive, second by second: a car follows one of the demo routes,
// waits at its red lights, slows down for corners and speeds up to each
// street's cruising speed, with the accelerations a careful driver uses, and
// makes one emergency stop where the drive has one. Drive second 0 is the
// drive's start time; seconds -1 to lastSecond are available, because a
// camera's records start one second before its clip.
class DemoDrive
{
public:
    static constexpr int lastSecond = 120;

    // `trip` indexes demoTrips().
    explicit DemoDrive(int trip = 0);

    QDateTime startTime() const;
    DriveSample sampleAt(int second) const;
    // The records a camera writes for a clip of `seconds` seconds starting at
    // drive second `clipStart`: from the second before the clip to the second
    // after it, so that every second of the clip is shown.
    QVector<GpsRecord> records(int clipStart, int seconds) const;

private:
    struct Moment
    {
        double distance;
        double speed;  // m/s
    };

    void simulate();
    double targetSpeed(double distance, int pendingStop) const;
    int tickOf(double second) const;
    double bumpBetween(double fromDistance, double toDistance) const;

    const DemoTrip &mTrip;
    RoutePath mPath;
    QVector<Moment> mTrace;  // one per tick from second -1 on
};
