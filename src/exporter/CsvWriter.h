#pragma once

#include "TrackWriter.h"

#include <QStringList>

// A header line, then one row per sample in the GpsData member order; with
// namesFiles a first "file" column. Fields are quoted only when they hold a
// comma, a quote or a line break (quotes doubled); lines end in LF.
class CsvWriter : public TrackWriter
{
public:
    CsvWriter(QIODevice &output, bool namesFiles);

    void begin() override;
    void beginFile(const QString &path) override { mFile = path; }
    void writeSample(const GpsData &data) override;

private:
    void writeRow(const QStringList &fields);

    bool mNamesFiles;
    QString mFile;
};
