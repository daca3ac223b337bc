#pragma once

#include "GpsRecord.h"

// Whether the bytes at `stored` (at least gpsRecordFieldsSize of them, still
// scrambled) have the form of a camera record: a calendar date and time in
// digits, hemisphere letters, digits for the position and the speed, and
// three signed G-sensor groups. That is 48 fixed bytes, each allowing at
// most ten of the 256 byte values, so a chance match in video data (below
// one in 10^60 per offset) does not happen.
bool hasRecordSignature(const char *stored);

// The quick test that comes first when scanning: both hemisphere letters.
// Inline, as a scan asks it at every offset of the file.
inline bool hasHemisphereLetters(const char *stored)
{
    const char latitude = static_cast<char>(stored[RecordField::latHemisphere] ^ recordMask);
    const char longitude = static_cast<char>(stored[RecordField::lonHemisphere] ^ recordMask);
    return (latitude == 'N' || latitude == 'S') && (longitude == 'E' || longitude == 'W');
}
