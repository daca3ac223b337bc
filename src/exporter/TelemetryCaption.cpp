#include "TelemetryCaption.h"

#include <cmath>

namespace {

constexpr double kilometresPerMile = 1.609344;

QString degrees(double value, QChar positive, QChar negative)
{
    return QStringLiteral("%1 %2\u00B0").arg(value < 0 ? negative : positive).arg(std::fabs(value), 0, 'f', 6);
}

} // namespace

QStringList TelemetryCaption::lines(const TrackPoint &point, bool milesPerHour)
{
    const QDateTime time = point.time();
    return {time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")) : QStringLiteral("no time"),
            speedText(point.speedKmh, milesPerHour),
            point.hasFix ? positionText(point.latitude, point.longitude) : QStringLiteral("no position")};
}

QString TelemetryCaption::speedText(float kmh, bool milesPerHour)
{
    if (milesPerHour)
        return QStringLiteral("%1 mph").arg(std::lround(kmh / kilometresPerMile));
    return QStringLiteral("%1 km/h").arg(std::lround(kmh));
}

QString TelemetryCaption::positionText(double latitude, double longitude)
{
    return degrees(latitude, QLatin1Char('N'), QLatin1Char('S')) + QLatin1Char(' ')
           + degrees(longitude, QLatin1Char('E'), QLatin1Char('W'));
}
