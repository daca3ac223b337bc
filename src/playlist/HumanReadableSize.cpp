#include "HumanReadableSize.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

const char *const unitContext = "QInstaller";

const char *const unitNames[] = {
    QT_TRANSLATE_NOOP("QInstaller", "bytes"), QT_TRANSLATE_NOOP("QInstaller", "KB"),
    QT_TRANSLATE_NOOP("QInstaller", "MB"),    QT_TRANSLATE_NOOP("QInstaller", "GB"),
    QT_TRANSLATE_NOOP("QInstaller", "TB"),    QT_TRANSLATE_NOOP("QInstaller", "PB"),
    QT_TRANSLATE_NOOP("QInstaller", "EB"),    QT_TRANSLATE_NOOP("QInstaller", "ZB"),
    QT_TRANSLATE_NOOP("QInstaller", "YB"),
};

QStringList translatedUnits()
{
    QStringList units;
    for (const char *name : unitNames)
        units << QCoreApplication::translate(unitContext, name);
    return units;
}

} // namespace

QString humanReadableSize(qint64 size, int precision)
{
    // Built once; a later change of language keeps the first translation.
    static const QStringList units = translatedUnits();

    double value = double(size);
    int unit = 0;
    while (value >= 1024.0 && unit + 1 < units.size()) {
        ++unit;
        value *= 0.0009765625;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', precision).arg(units.at(unit));
}
