#pragma once

#include "GpsData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Runs the built vantrel-telemetry and decodes files in-process, so that the
// tests can hold the program's output against what the parser itself serves.
namespace ExporterTestSupport {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    // stdout split into lines, without the final empty one.
    QList<QByteArray> lines() const;
};

Run runExporter(const QStringList &arguments);

// Every sample a parser serves for the file, seconds 0 up, in one pass.
QVector<GpsData> decodedSamples(const QString &path);

bool writeBytes(const QString &path, const QByteArray &bytes);

} // namespace ExporterTestSupport
