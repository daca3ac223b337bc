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

Q_DECLARE_METATYPE(MapPoint)
