#pragma once

#include <QMetaType>
#include <type_traits>

// One decoded telemetry sample: the record the camera stored for one second
// of video, plus a course computed from the previous sample. Plain bytes only,
// so it is cleared with memset and copied bit for bit across threads.
struct GpsData
{
    qint32 second;        // playback second the sample was asked for
    char dateTime[15];    // "yyyyMMddhhmmss" camera time, NUL-terminated
    char char22;          // carried, not interpreted
    char text23[15];      // carried, not interpreted, NUL-terminated
    char char37;          // carried, not interpreted
    char latHemisphere;   // 'N' or 'S' as stored
    double latitude;      // magnitude in degrees
    char lonHemisphere;   // 'E' or 'W' as stored
    double longitude;     // magnitude in degrees
    qint32 number57;      // carried, not interpreted
    qint32 speed;         // km/h
    float gX;             // G-sensor axes in g, in stored order
    float gY;
    float gZ;
    double bearing;       // course over ground, 0 = north, clockwise
};

static_assert(std::is_trivially_copyable<GpsData>::value,
              "GpsData crosses threads as plain bytes");

// Signed degrees as consumers need them: south and west negative.
inline double signedLatitude(const GpsData &data)
{
    return data.latHemisphere == 'S' ? -data.latitude : data.latitude;
}

inline double signedLongitude(const GpsData &data)
{
    return data.lonHemisphere == 'W' ? -data.longitude : data.longitude;
}

Q_DECLARE_METATYPE(GpsData)
