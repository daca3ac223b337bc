#include "TrackPoint.h"

#include <cmath>

namespace {

// The value of `count` decimal digits, or -1 when any of them is no digit.
int digitsValue(const char *text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "yyyyMMddhhmmss" read by hand: Qt's format parser validates through local
// time, which costs a time-zone lookup per call and drops times that fall
// into a daylight-saving gap.
QDateTime utcTime(const char *digits)
{
    const int year = digitsValue(digits, 4);
    if (year < 0)
        return {}; // Qt would take -1 as the year 1 BC
    const QDate date(year, digitsValue(digits + 4, 2), digitsValue(digits + 6, 2));
    const QTime time(digitsValue(digits + 8, 2), digitsValue(digits + 10, 2),
                     digitsValue(digits + 12, 2));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

TrackPoint::TrackPoint(const GpsData &data)
    : mLatitude(signedLatitude(data)),
      mLongitude(signedLongitude(data)),
      mSpeed(data.speed / 3.6),
      // A course a hair below 360 may round to 360, which GPX does not allow.
      mCourse(std::fmod(data.bearing, 360.0)),
      mTime(utcTime(data.dateTime))
{
}
