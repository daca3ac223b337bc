#pragma once

// What makes clips one trip, and what counts as an event.
struct TripSettings
{
    // A clip joins a trip when it starts at most this long after the trip's
    // last record ends.
    int gapSeconds = 60;
    // Horizontal G (both horizontal axes, the file's median removed) above
    // this is an event.
    double horizontalThresholdG = 0.35;
    // A vertical jolt beyond this from the file's median is an event.
    double verticalThresholdG = 0.5;
};
