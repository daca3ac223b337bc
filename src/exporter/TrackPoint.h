#pragma once

#include "GpsData.h"

#include <QDateTime>

// One sample as the track formats need it: signed position, camera time,
// speed in m/s and course. Small, so a writer may keep a file's points.
class TrackPoint
{
public:
    explicit TrackPoint(const GpsData &data);

    // Both coordinates exactly 0 is how the camera says it has no fix.
    bool hasPosition() const { return mLatitude != 0.0 || mLongitude != 0.0; }
    double latitude() const { return mLatitude; }    // south negative
    double longitude() const { return mLongitude; }  // west negative
    // The camera writes GPS time, so it is taken as UTC; invalid when the
    // record's digits are no date.
    QDateTime time() const { return mTime; }
    double speedMetresPerSecond() const { return mSpeed; }
    double course() const { return mCourse; }        // degrees in [0, 360)

private:
    double mLatitude;
    double mLongitude;
    double mSpeed;
    double mCourse;
    QDateTime mTime;
};
