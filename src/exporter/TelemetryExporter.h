#pragma once

#include "ExportOptions.h"

#include <QIODevice>

#include <memory>

class ParserObject;
class TrackWriter;

// Runs one parser per file over every second it serves, in ascending order
// as a play-through from the start would, and hands the samples to the
// writer of the chosen format (or prints each file's video information).
class TelemetryExporter
{
public:
    // A header may claim up to 2^32 records; a day of driving has 86,400.
    // Past about three days the count cannot be true, so the export stops.
    static constexpr quint32 secondLimit = 1u << 18;

    TelemetryExporter(const ExportOptions &options, QIODevice &output, QIODevice &errors);

    // Exit status: 0 when every file was read, 1 when one could not be opened.
    int run();

private:
    std::unique_ptr<ParserObject> openParser(const QString &path);
    std::unique_ptr<TrackWriter> createWriter() const;
    void writeInfo(const QString &path, const ParserObject &parser);
    void writeSamples(const QString &path, ParserObject &parser, TrackWriter &writer);
    void reportError(const QString &message);

    const ExportOptions &mOptions;
    QIODevice &mOutput;
    QIODevice &mErrors;
};
