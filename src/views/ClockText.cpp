#include "ClockText.h"

QString clockText(int seconds)
{
    const int hours = seconds / 3600, minutes = seconds / 60 % 60, rest = seconds % 60;
    const QString tail = QStringLiteral("%1:%2").arg(minutes, hours ? 2 : 1, 10, QLatin1Char('0'))
                             .arg(rest, 2, 10, QLatin1Char('0'));
    return hours ? QStringLiteral("%1:%2").arg(hours).arg(tail) : tail;
}
