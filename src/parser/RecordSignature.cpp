#include "RecordSignature.h"

namespace {

char plain(const char *stored, int offset)
{
    return static_cast<char>(stored[offset] ^ recordMask);
}

bool digitsAt(const char *stored, int offset, int count)
{
    for (int i = offset; i < offset + count; ++i) {
        const char c = plain(stored, i);
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

int numberAt(const char *stored, int offset, int count)
{
    int value = 0;
    for (int i = offset; i < offset + count; ++i)
        value = value * 10 + (plain(stored, i) - '0');
    return value;
}

// yyyyMMddhhmmss with every part in its calendar range (a leap second allowed).
bool isCameraTime(const char *stored)
{
    const int at = RecordField::dateTime;
    if (!digitsAt(stored, at, 14))
        return false;
    const int month = numberAt(stored, at + 4, 2);
    const int day = numberAt(stored, at + 6, 2);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31
           && numberAt(stored, at + 8, 2) <= 23 && numberAt(stored, at + 10, 2) <= 59
           && numberAt(stored, at + 12, 2) <= 60;
}

bool isGSensorGroup(const char *stored, int group)
{
    const int at = RecordField::gSensor + 4 * group;
    const char sign = plain(stored, at);
    return (sign == '+' || sign == '-') && digitsAt(stored, at + 1, 3);
}

} // namespace

bool hasRecordSignature(const char *stored)
{
    return hasHemisphereLetters(stored) && isCameraTime(stored)
           && digitsAt(stored, RecordField::latitude, 8)
           && digitsAt(stored, RecordField::longitude, 9)
           && digitsAt(stored, RecordField::speed, 3) && isGSensorGroup(stored, 0)
           && isGSensorGroup(stored, 1) && isGSensorGroup(stored, 2);
}
