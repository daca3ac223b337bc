#pragma once

#include "GpsRecord.h"

#include <QString>
#include <QVector>

// Adds a camera's per-second records to an AVI file as ffmpeg wrote it: a
// "GPSL" block after the RIFF data, its offset in the file's last 4 bytes.
namespace AviTelemetry {

bool appendGpslBlock(const QString &path, const QVector<GpsRecord> &records, QString *error);

} // namespace AviTelemetry
