#pragma once

#include "CheckedOutput.h"
#include "ExportOptions.h"
#include "ParserObject.h"
#include "TripBuilder.h"
#include "VideoInfo.h"

#include <QIODevice>

#include <memory>

class TrackWriter;

// Runs one parser per file over every second it serves, in ascending order
// as a play-through from the start would, and hands the samples to the
// writer of the chosen format (or prints each file's video information).
// With trips, the main-camera files are grouped into trips first: printed
// as one JSON line per trip, or written as one track per trip.
class TelemetryExporter
{
public:
    // A header may claim up to 2^32 records; a day of driving has 86,400.
    // Past about three days the count cannot be true, so the export stops
    // there (and earlier when the file is too small to hold them).
    static constexpr quint32 secondLimit = ParserObject::recordCheckLimit;

    TelemetryExporter(const ExportOptions &options, QIODevice &output, QIODevice &errors);

    // Exit statuses of the program.
    enum Status { Success = 0, FileNotRead = 1, BadUsage = 2, OutputLost = 3 };

    // FileNotRead when a file could not be opened (the others are still
    // written), OutputLost when the output could not be written (the export
    // stops there), else Success.
    int run();

private:
    // The files given, with each folder replaced by its recordings.
    QStringList recordings(int &status);
    std::unique_ptr<ParserObject> openParser(const QString &path);
    std::unique_ptr<TrackWriter> createWriter(QIODevice &output, bool namesFiles);
    void writeBeside(const QStringList &files, int &status);
    void writeInfo(const QString &path, const ParserObject &parser);
    void writeSamples(const QString &path, ParserObject &parser, TrackWriter &writer);
    // The trips of the main-camera clips among `files`, with their inputs.
    QVector<Trip> readTrips(const QStringList &files, QVector<ClipInput> &clips, int &status);
    void writeTrip(const Trip &trip, const QVector<ClipInput> &clips);
    void writeMergedTrips(const QVector<Trip> &trips, const QVector<ClipInput> &clips);
    void warnIfTruncated(const QString &path, const VideoInfo &info, quint32 records);
    void reportError(const QString &message);

    int finish(int status);

    const ExportOptions &mOptions;
    CheckedOutput mOutput;
    QIODevice &mErrors;
};
