#include "SampleFields.h"

#include <QLocale>

#include <charconv>
#include <cstdlib>
#include <cstring>

const QStringList &SampleFields::names()
{
    static const QStringList fieldNames = {
        "second", "dateTime", "char22", "text23", "char37", "latHemisphere", "latitude",
        "lonHemisphere", "longitude", "number57", "speed", "gX", "gY", "gZ", "bearing"};
    return fieldNames;
}

QJsonObject SampleFields::values(const GpsData &data)
{
    return {
        {"second", data.second},
        {"dateTime", text(data.dateTime, sizeof data.dateTime)},
        {"char22", text(&data.char22, 1)},
        {"text23", text(data.text23, sizeof data.text23)},
        {"char37", text(&data.char37, 1)},
        {"latHemisphere", text(&data.latHemisphere, 1)},
        {"latitude", data.latitude},
        {"lonHemisphere", text(&data.lonHemisphere, 1)},
        {"longitude", data.longitude},
        {"number57", data.number57},
        {"speed", data.speed},
        {"gX", shortestDouble(data.gX)},
        {"gY", shortestDouble(data.gY)},
        {"gZ", shortestDouble(data.gZ)},
        {"bearing", data.bearing},
    };
}

QString SampleFields::text(const char *field, int size)
{
    const void *nul = std::memchr(field, '\0', static_cast<size_t>(size));
    const int length = nul ? static_cast<int>(static_cast<const char *>(nul) - field) : size;
    return QString::fromLatin1(field, length);
}

double SampleFields::shortestDouble(float value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits - 1, value);
    *result.ptr = '\0';
    return std::strtod(digits, nullptr);
}

QString SampleFields::numberText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString SampleFields::decimalText(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}
