#include "CameraTime.h"

namespace {

// The value of `count` decimal digits, or -1 when any of them is no digit.
int digitsValue(const char *text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

constexpr qint64 msecsPerDay = 24 * 3600 * 1000;
constexpr qint64 unixEpochJulianDay = 2440588;

} // namespace

namespace CameraTime {

bool toUtcMsecs(const char *digits, qint64 &msecs)
{
    const int year = digitsValue(digits, 4);
    if (year < 0)
        return false; // Qt would take -1 as the year 1 BC
    const QDate date(year, digitsValue(digits + 4, 2), digitsValue(digits + 6, 2));
    const QTime time(digitsValue(digits + 8, 2), digitsValue(digits + 10, 2),
                     digitsValue(digits + 12, 2));
    if (!date.isValid() || !time.isValid())
        return false;
    msecs = (date.toJulianDay() - unixEpochJulianDay) * msecsPerDay + time.msecsSinceStartOfDay();
    return true;
}

QDateTime parse(const char *digits)
{
    qint64 msecs = 0;
    if (!toUtcMsecs(digits, msecs))
        return {};
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

QString isoText(qint64 utcMsecs)
{
    return QDateTime::fromMSecsSinceEpoch(utcMsecs, Qt::UTC).toString(Qt::ISODate);
}

} // namespace CameraTime
