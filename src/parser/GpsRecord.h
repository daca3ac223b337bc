#pragma once

#include <array>
#include <cstdint>

// The camera's per-second record: 312 bytes of fixed-width ASCII fields.
// Bytes 0 and 1 are stored plain, every later byte XOR-ed with recordMask.
constexpr int gpsRecordSize = 312;
constexpr std::uint8_t recordMask = 0x6B;
// The fields end with the G-sensor groups: a record of which at least this
// much lies in the file decodes in full.
constexpr int gpsRecordFieldsSize = 185;

using GpsRecord = std::array<char, gpsRecordSize>;

// Field offsets inside a descrambled record.
namespace RecordField {
constexpr int dateTime = 8;        // 14 digits yyyyMMddhhmmss
constexpr int char22 = 22;
constexpr int text23 = 23;         // 14 characters
constexpr int char37 = 37;
constexpr int latHemisphere = 38;
constexpr int latitude = 39;       // DDMMmmmm
constexpr int lonHemisphere = 47;
constexpr int longitude = 48;      // DDDMMmmmm
constexpr int number57 = 57;       // 5 digits
constexpr int speed = 62;          // 3 digits, km/h
constexpr int gSensor = 173;       // three groups of sign + 3 digits
}

// XOR-ing is its own inverse, so this both scrambles and descrambles.
inline void toggleRecordMask(GpsRecord &record)
{
    for (int i = 2; i < gpsRecordSize; ++i)
        record[i] = static_cast<char>(record[i] ^ recordMask);
}
