#include "DemoDrive.h"

#include "SampleRecord.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double firstSecond = -1.0;
constexpr int ticksPerSecond = 20;
constexpr double tick = 1.0 / ticksPerSecond;
constexpr double cornerRadius = 10.0;     // m, a city intersection
constexpr double acceleration = 1.6;      // m/s², moving off gently
constexpr double plannedBraking = 1.8;    // m/s², what the driver aims for
constexpr double hardestBraking = 3.5;    // m/s², what the car does at most
constexpr double emergencyBraking = 9.0;  // m/s², the brake pedal to the floor
constexpr int emergencyWaitSeconds = 2;   // till the way is clear again
constexpr double cornerAcceleration = 2.2;  // m/s², lateral, sets the corner speed
constexpr double creepSpeed = 0.3;        // m/s, the last metre before a stop line
constexpr double standardGravity = 9.80665;

double metresPerSecond(double kmh)
{
    return kmh / 3.6;
}

// Fastest speed from which the car can still slow to `speed` within `distance`.
double approachSpeed(double speed, double distance)
{
    return std::sqrt(speed * speed + 2.0 * plannedBraking * std::max(distance, 0.0));
}

// A small, repeatable shake of the road surface, in [-1, 1].
double roadNoise(int second)
{
    const double value = std::sin(second * 12.9898) * 43758.5453;
    return 2.0 * (value - std::floor(value)) - 1.0;
}

} // namespace

DemoDrive::DemoDrive(int trip)
    : mTrip(demoTrips().at(trip)), mPath(mTrip.route, cornerRadius)
{
    simulate();
}

QDateTime DemoDrive::startTime() const
{
    return mTrip.start;
}

void DemoDrive::simulate()
{
    const QVector<RouteWaypoint> &route = mTrip.route;
    const int ticks = static_cast<int>((lastSecond + 2 - firstSecond) * ticksPerSecond);
    double distance = 0.0;
    double speed = 0.0;
    int waitTicks = route.first().stopSeconds * ticksPerSecond;
    int pendingStop = 1;
    bool emergency = false;
    for (int i = 0; i < ticks; ++i) {
        mTrace.append({distance, speed});
        // Somebody pulls out: full braking to a stop, a wait, then on as before.
        const double now = firstSecond + i * tick;
        if (mTrip.emergencyStop >= 0 && now >= mTrip.emergencyStop && now < mTrip.emergencyStop + tick)
            emergency = speed > 0.0;
        if (emergency) {
            speed = std::max(0.0, speed - emergencyBraking * tick);
            distance += speed * tick;
            if (speed == 0.0) {
                emergency = false;
                waitTicks = emergencyWaitSeconds * ticksPerSecond;
            }
            continue;
        }
        while (pendingStop < route.size() && route[pendingStop].stopSeconds == 0)
            ++pendingStop;
        if (waitTicks > 0) {
            --waitTicks;
            continue;
        }
        if (pendingStop < route.size()) {
            const double toStop = mPath.waypointDistance(pendingStop) - distance;
            if (toStop < 0.2 && speed < 1.0) {
                distance = mPath.waypointDistance(pendingStop);
                speed = 0.0;
                waitTicks = route[pendingStop].stopSeconds * ticksPerSecond;
                ++pendingStop;
                continue;
            }
        }
        const double target = targetSpeed(distance, pendingStop);
        speed = target > speed ? std::min(target, speed + acceleration * tick)
                               : std::max(target, speed - hardestBraking * tick);
        distance = std::min(distance + speed * tick, mPath.length());
    }
}

double DemoDrive::targetSpeed(double distance, int pendingStop) const
{
    const QVector<RouteWaypoint> &route = mTrip.route;
    double target = 0.0;
    for (int i = 0; i < route.size() && mPath.waypointDistance(i) <= distance; ++i)
        target = metresPerSecond(route[i].cruiseKmh);
    for (const RoutePath::Corner &corner : mPath.corners()) {
        const double cornerSpeed = std::sqrt(cornerAcceleration * corner.radius);
        if (distance <= corner.end)
            target = std::min(target, approachSpeed(cornerSpeed, corner.start - distance));
    }
    if (pendingStop < route.size()) {
        const double toStop = mPath.waypointDistance(pendingStop) - distance;
        target = std::min(target, std::max(approachSpeed(0.0, toStop), creepSpeed));
    }
    if (distance >= mPath.length())
        target = 0.0;
    return target;
}

int DemoDrive::tickOf(double second) const
{
    const int index = static_cast<int>(std::lround((second - firstSecond) * ticksPerSecond));
    return std::clamp(index, 0, static_cast<int>(mTrace.size()) - 1);
}

double DemoDrive::bumpBetween(double fromDistance, double toDistance) const
{
    double bump = 0.0;
    for (const Pothole &pothole : mTrip.potholes) {
        if (pothole.distance > fromDistance && pothole.distance <= toDistance)
            bump += pothole.strength;
    }
    return bump;
}

DriveSample DemoDrive::sampleAt(int second) const
{
    const Moment &now = mTrace[tickOf(second)];
    const Moment &before = mTrace[tickOf(second - 0.5)];
    const Moment &after = mTrace[tickOf(second + 0.5)];
    const double turnRate = std::remainder(mPath.headingAt(after.distance)
                                               - mPath.headingAt(before.distance),
                                           2.0 * M_PI);
    const double roughness = std::min(now.speed / 10.0, 1.0);
    // The wheel drops into a pothole, then the suspension throws the car up.
    const double hit = bumpBetween(mTrace[tickOf(second - 1)].distance, now.distance);
    const double rebound = bumpBetween(mTrace[tickOf(second - 2)].distance,
                                       mTrace[tickOf(second - 1)].distance);

    DriveSample sample;
    sample.position = mPath.positionAt(now.distance);
    sample.speedKmh = static_cast<int>(std::lround(now.speed * 3.6));
    sample.gX = now.speed * turnRate / standardGravity;
    sample.gY = (after.speed - before.speed) / standardGravity;
    sample.gZ = 1.0 + hit - 0.5 * rebound + 0.03 * roughness * roadNoise(second);
    return sample;
}

QVector<GpsRecord> DemoDrive::records(int clipStart, int seconds) const
{
    QVector<GpsRecord> stored;
    for (int second = clipStart - 1; second <= clipStart + seconds; ++second) {
        const DriveSample sample = sampleAt(second);
        const QByteArray time = startTime().addSecs(second).toString("yyyyMMddhhmmss").toLatin1();
        stored.append(SampleRecord::fix(sample.position.latitude, sample.position.longitude,
                                        sample.speedKmh, time, sample.gX, sample.gY, sample.gZ)
                          .stored());
    }
    return stored;
}
