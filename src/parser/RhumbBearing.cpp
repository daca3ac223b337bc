#include "RhumbBearing.h"

#include <cmath>

double rhumbBearing(double lon1, double lat1, double lon2, double lat2)
{
    constexpr double degreesToRadians = 0.017453292519943295;
    constexpr double radiansToDegrees = 57.29577951308232;
    constexpr double minutesPerMeridionalUnit = 7915.70447;

    const double meridionalParts =
        minutesPerMeridionalUnit
        * (std::log10(std::tan((lat2 * 0.5 + 45.0) * degreesToRadians))
           - std::log10(std::tan((lat1 * 0.5 + 45.0) * degreesToRadians)));

    // A move from 179 E to 179 W is 2 degrees east, not 358 west.
    double lonDelta = lon2 - lon1;
    if (lonDelta > 180.0)
        lonDelta -= 360.0;
    else if (lonDelta < -180.0)
        lonDelta += 360.0;
    const double longitudeMinutes = lonDelta * 60.0;

    if (meridionalParts == 0.0 && longitudeMinutes == 0.0)
        return 0.0;
    const double course =
        std::fabs(std::atan(longitudeMinutes / meridionalParts)) * radiansToDegrees;

    if (lonDelta >= 0.0)
        return lat2 >= lat1 ? course : 180.0 - course;
    return lat2 >= lat1 ? 360.0 - course : 180.0 + course;
}
