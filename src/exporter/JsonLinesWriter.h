#pragma once

#include "TrackWriter.h"

// One compact JSON object per sample and line, keyed by the GpsData member
// names; with namesFiles each object also holds the "file" it came from.
class JsonLinesWriter : public TrackWriter
{
public:
    JsonLinesWriter(QIODevice &output, bool namesFiles);

    void beginFile(const QString &path) override { mFile = path; }
    void writeSample(const GpsData &data) override;

private:
    bool mNamesFiles;
    QString mFile;
};
