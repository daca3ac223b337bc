#pragma once

// Speeds are kept in km/h as the camera writes them; a user may read them in
// miles per hour. Every display converts through here.
namespace SpeedUnit {

constexpr double kilometresPerMile = 1.609344;

// Whole miles per hour, truncated as the gauges show them; 0 for a speed
// that is no number, and never beyond what an int holds.
int wholeMilesPerHour(double kmh);

double miles(double kilometres);

} // namespace SpeedUnit
