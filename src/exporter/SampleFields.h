#pragma once

#include "GpsData.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// A sample's fields as the line formats (JSON lines, CSV) write them: named
// exactly like the GpsData members, character fields as text, numbers as
// JSON numbers that read back to the same value.
class SampleFields
{
public:
    // The GpsData member names in declaration order.
    static const QStringList &names();
    // One value per name: strings for the character fields, numbers otherwise.
    static QJsonObject values(const GpsData &data);

    // The bytes of a fixed-size field up to its first NUL, read as Latin-1.
    static QString text(const char *field, int size);
    // A float's shortest decimal that reads back to the same float, as the
    // double of that decimal (0.12f gives 0.12, not 0.11999999731779099).
    static double shortestDouble(float value);
    // Shortest round-trip text of a number; exponent form only when shorter.
    static QString numberText(double value);
    // Shortest round-trip text without exponent, for XML decimal fields.
    static QString decimalText(double value);
};
