#include "SampleRecord.h"

#include <QDateTime>

#include <cmath>
#include <cstring>

namespace {

// Degrees as the camera writes them: whole degrees, then minutes x 10000.
QByteArray degreesText(double degrees, int degreeDigits)
{
    const double magnitude = std::fabs(degrees);
    int whole = static_cast<int>(magnitude);
    int minutes = static_cast<int>(std::lround((magnitude - whole) * 60.0 * 10000.0));
    if (minutes >= 600000) {
        ++whole;
        minutes -= 600000;
    }
    return QByteArray::number(whole).rightJustified(degreeDigits, '0')
           + QByteArray::number(minutes).rightJustified(6, '0');
}

QByteArray gText(double g)
{
    const int hundredths = static_cast<int>(std::lround(std::fabs(g) * 100.0));
    return (g < 0 ? "-" : "+") + QByteArray::number(qMin(hundredths, 999)).rightJustified(3, '0');
}

void put(GpsRecord &record, int offset, const QByteArray &text, int length)
{
    std::memcpy(record.data() + offset, text.constData(), qMin(text.size(), length));
}

} // namespace

SampleRecord SampleRecord::fix(double latitude, double longitude, int speedKmh,
                               const QByteArray &dateTime, double gX, double gY, double gZ)
{
    SampleRecord record;
    record.dateTime = dateTime;
    record.latHemisphere = latitude < 0 ? 'S' : 'N';
    record.latitude = degreesText(latitude, 2);
    record.lonHemisphere = longitude < 0 ? 'W' : 'E';
    record.longitude = degreesText(longitude, 3);
    record.speed = QByteArray::number(qBound(0, speedKmh, 999)).rightJustified(3, '0');
    record.gSensor = gText(gX) + gText(gY) + gText(gZ);
    return record;
}

GpsRecord SampleRecord::stored() const
{
    GpsRecord record;
    record.fill('\0');
    put(record, RecordField::dateTime, dateTime, 14);
    record[RecordField::char22] = char22;
    put(record, RecordField::text23, text23, 14);
    record[RecordField::char37] = char37;
    record[RecordField::latHemisphere] = latHemisphere;
    put(record, RecordField::latitude, latitude, 8);
    record[RecordField::lonHemisphere] = lonHemisphere;
    put(record, RecordField::longitude, longitude, 9);
    put(record, RecordField::number57, number57, 5);
    put(record, RecordField::speed, speed, 3);
    put(record, RecordField::gSensor, gSensor, 12);
    toggleRecordMask(record);
    return record;
}

QVector<GpsRecord> straightDrive(int count, double latitude, double longitude, double step)
{
    QVector<GpsRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        records.append(SampleRecord::fix(latitude + i * step, longitude + i * step, 40 + i % 20,
                                         straightDriveTime(i), 0.01 * (i % 7), -0.02 * (i % 5),
                                         1.0)
                           .stored());
    }
    return records;
}

QVector<GpsRecord> storedRecords(const QVector<SampleRecord> &records)
{
    QVector<GpsRecord> stored;
    stored.reserve(records.size());
    for (const SampleRecord &record : records)
        stored.append(record.stored());
    return stored;
}

QByteArray straightDriveTime(int index)
{
    const QDateTime start(QDate(2026, 12, 6), QTime(10, 15, 0));
    return start.addSecs(index).toString("yyyyMMddhhmmss").toLatin1();
}

QByteArray recordBytes(const GpsRecord &record)
{
    return QByteArray(record.data(), gpsRecordSize);
}
