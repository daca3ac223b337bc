#include "SpeedUnit.h"

#include <QtGlobal>

#include <cmath>

namespace SpeedUnit {

int wholeMilesPerHour(double kmh)
{
    if (!std::isfinite(kmh))
        return 0;
    // A damaged record's speed is no reason to overflow an int.
    return static_cast<int>(qBound(-1e6, kmh, 1e6) / kilometresPerMile);
}

double miles(double kilometres)
{
    return kilometres / kilometresPerMile;
}

} // namespace SpeedUnit
