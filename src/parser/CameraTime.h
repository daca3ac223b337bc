#pragma once

#include <QDateTime>

// The camera's clock as its records write it: "yyyyMMddhhmmss" digits of GPS
// time, which is UTC. Read by hand rather than through Qt's format parser,
// which validates through local time (a time-zone lookup per call, and times
// in a daylight-saving gap dropped).
namespace CameraTime {

// The 14 digits at `digits` as a UTC date-time; invalid when any of them is
// no digit or they name no calendar date and time.
QDateTime parse(const char *digits);

// The same moment in milliseconds since the epoch; false (and `msecs`
// untouched) when the digits are no date.
bool toUtcMsecs(const char *digits, qint64 &msecs);

// An ISO 8601 UTC text of a moment ("2026-12-06T10:15:00Z").
QString isoText(qint64 utcMsecs);

} // namespace CameraTime
