#pragma once

// Course in degrees (0 = north, clockwise, [0, 360)) of the loxodrome from the
// first position to the second, by Mercator sailing. Positions are signed
// degrees, east and north positive. Longitudes take the short way across the
// 180th meridian. Identical positions give 0.
double rhumbBearing(double lon1, double lat1, double lon2, double lat2);
