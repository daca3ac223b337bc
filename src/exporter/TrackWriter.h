#pragma once

#include "GpsData.h"

#include <QIODevice>
#include <QString>

// Writes the samples of one or more files in one output format. The exporter
// calls begin(), then per file beginFile(), writeSample() for each sample in
// ascending seconds and endFile(), and finally end().
class TrackWriter
{
public:
    explicit TrackWriter(QIODevice &output) : out(output) {}
    virtual ~TrackWriter() = default;
    TrackWriter(const TrackWriter &) = delete;
    TrackWriter &operator=(const TrackWriter &) = delete;

    virtual void begin() {}
    virtual void beginFile(const QString &path) = 0;
    virtual void writeSample(const GpsData &data) = 0;
    virtual void endFile() {}
    virtual void end() {}

protected:
    QIODevice &out;
};
