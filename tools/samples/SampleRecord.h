#pragma once

#include "GpsRecord.h"

#include <QByteArray>
#include <QVector>

// The fields of one stored record as the camera writes them: fixed-width
// ASCII. Tests state the text they want; fix() fills it from numbers.
struct SampleRecord
{
    QByteArray dateTime = "20261206101500";  // 14 digits
    char char22 = 'A';
    QByteArray text23 = "00000000000000";    // 14 characters
    char char37 = 'B';
    char latHemisphere = 'N';
    QByteArray latitude = "00000000";        // DDMMmmmm
    char lonHemisphere = 'E';
    QByteArray longitude = "000000000";      // DDDMMmmmm
    QByteArray number57 = "00000";
    QByteArray speed = "000";                // km/h
    QByteArray gSensor = "+000+000+100";     // three of sign, digit, 2 decimals

    // A record at a signed position (degrees, north and east positive) with
    // speed in km/h and G-sensor values in g; time as "yyyyMMddhhmmss".
    static SampleRecord fix(double latitude, double longitude, int speedKmh = 0,
                            const QByteArray &dateTime = "20261206101500",
                            double gX = 0.0, double gY = 0.0, double gZ = 1.0);

    // The 312 stored bytes: fields at their offsets, bytes 2 on scrambled.
    GpsRecord stored() const;
};

// Stored records of a straight drive: count fixes starting at (latitude,
// longitude), each one second and `step` degrees north-east of the last.
QVector<GpsRecord> straightDrive(int count, double latitude = 22.5, double longitude = 114.0,
                                 double step = 0.0001);

// The stored bytes of each record, in order.
QVector<GpsRecord> storedRecords(const QVector<SampleRecord> &records);

// The camera time that straightDrive stores in record `index`.
QByteArray straightDriveTime(int index);

QByteArray recordBytes(const GpsRecord &record);
