#pragma once

#include "GpsRecord.h"

#include <QString>
#include <QVector>

// Adds a camera's per-second records to an MP4/MOV file as ffmpeg wrote it.
// Both layouts only add bytes after the existing media data, so no sample
// offset inside the file changes and players see the same movie.
namespace Mp4Telemetry {

// Appends a top-level "gps0" box of records packed 311 bytes apart.
bool appendGps0Box(const QString &path, const QVector<GpsRecord> &records, QString *error);

// Adds a "gps " table to the movie box, which must be the file's last box,
// and appends a box holding the records that the table points at.
bool addGpsTable(const QString &path, const QVector<GpsRecord> &records, QString *error);

} // namespace Mp4Telemetry
