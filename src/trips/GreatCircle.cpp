#include "GreatCircle.h"

#include <algorithm>
#include <cmath>

namespace GreatCircle {

double metres(double latitude1, double longitude1, double latitude2, double longitude2)
{
    constexpr double radians = M_PI / 180.0;
    const double sinLatitude = std::sin((latitude2 - latitude1) * radians / 2.0);
    const double sinLongitude = std::sin((longitude2 - longitude1) * radians / 2.0);
    const double h = sinLatitude * sinLatitude
                     + std::cos(latitude1 * radians) * std::cos(latitude2 * radians)
                           * sinLongitude * sinLongitude;
    // Rounding may push h a hair above 1 for antipodal points.
    return 2.0 * earthRadiusMetres * std::asin(std::sqrt(std::min(1.0, h)));
}

} // namespace GreatCircle
