#pragma once

// Distance along the earth's surface between two positions in signed
// degrees, on a sphere of the earth's mean radius (haversine formula).
namespace GreatCircle {

constexpr double earthRadiusMetres = 6371008.8;

double metres(double latitude1, double longitude1, double latitude2, double longitude2);

} // namespace GreatCircle
