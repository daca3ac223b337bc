#pragma once

#include <QMetaType>

#include <cstdint>

// One track point for the map: the playback second and the signed position
// in decimal degrees (east and north positive).
struct MapPoint
{
    int32_t second = 0;
    double longitude = 0.0;
    double latitude = 0.0;
};

inline bool operator==(const MapPoint &a, const MapPoint &b)
{
    return a.second == b.second && a.longitude == b.longitude && a.latitude == b.latitude;
}

Q_DECLARE_METATYPE(MapPoint)
