#include "EventDetector.h"

#include <algorithm>
#include <cmath>

namespace {

float median(QVector<float> values)
{
    if (values.isEmpty())
        return 0.0f;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    const float below = *std::max_element(values.begin(), middle);
    return (below + *middle) / 2.0f;
}

float axisMedian(const TelemetryTrack &track, float TrackPoint::*axis)
{
    QVector<float> values;
    values.reserve(track.size());
    for (const TrackPoint &point : track)
        values.append(point.*axis);
    return median(values);
}

} // namespace

QVector<TelemetryEvent> detectEvents(const TelemetryTrack &track, const TripSettings &settings)
{
    const float x = axisMedian(track, &TrackPoint::gX);
    const float y = axisMedian(track, &TrackPoint::gY);
    const float z = axisMedian(track, &TrackPoint::gZ);
    QVector<TelemetryEvent> events;
    for (const TrackPoint &point : track) {
        const double horizontal = std::hypot(point.gX - x, point.gY - y);
        if (horizontal > settings.horizontalThresholdG)
            events.append({0, point.second, TelemetryEvent::Horizontal, float(horizontal)});
        const double vertical = std::fabs(point.gZ - z);
        if (vertical > settings.verticalThresholdG)
            events.append({0, point.second, TelemetryEvent::Vertical, float(vertical)});
    }
    return events;
}
