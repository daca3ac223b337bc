#include "TelemetryExporter.h"

#include "CameraFileName.h"
#include "CameraTime.h"
#include "CsvWriter.h"
#include "FileNameCodec.h"
#include "GeoJsonWriter.h"
#include "GpxWriter.h"
#include "JsonLinesWriter.h"
#include "KmlWriter.h"
#include "ParserFactory.h"
#include "RecordingFiles.h"
#include "SubtitleWriter.h"
#include "TrackDecoder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

TelemetryExporter::TelemetryExporter(const ExportOptions &options, QIODevice &output,
                                     QIODevice &errors)
    : mOptions(options), mOutput(output), mErrors(errors)
{
}

int TelemetryExporter::run()
{
    int status = Success;
    const QStringList files = recordings(status);
    if (mOptions.action == ExportOptions::Action::Trips || mOptions.mergeTrips) {
        QVector<ClipInput> clips;
        const QVector<Trip> trips = readTrips(files, clips, status);
        if (mOptions.mergeTrips) {
            writeMergedTrips(trips, clips);
        } else {
            for (const Trip &trip : trips)
                writeTrip(trip, clips);
        }
        return finish(status);
    }
    const bool info = mOptions.action == ExportOptions::Action::Info;
    if (!info && mOptions.beside) {
        writeBeside(files, status);
        return finish(status);
    }
    if (!info && mOptions.subtitleFormat() && files.size() > 1) {
        // Cues of several recordings in one file would overlap in time.
        reportError(QStringLiteral("--format %1 writes one recording to standard output; "
                                   "give --beside to write one file beside each of %2 recordings")
                        .arg(mOptions.suffix().mid(1))
                        .arg(files.size()));
        return finish(BadUsage);
    }
    std::unique_ptr<TrackWriter> writer = info ? nullptr : createWriter(mOutput, files.size() > 1);
    if (writer)
        writer->begin();
    for (const QString &path : files) {
        if (mOutput.failed())
            break;
        const std::unique_ptr<ParserObject> parser = openParser(path);
        if (!parser) {
            status = FileNotRead;
            continue;
        }
        warnIfTruncated(path, parser->videoInfo(), parser->records());
        if (writer)
            writeSamples(path, *parser, *writer);
        else
            writeInfo(path, *parser);
    }
    if (writer)
        writer->end();
    return finish(status);
}

int TelemetryExporter::finish(int status)
{
    if (mOutput.finish())
        return status;
    reportError(QStringLiteral("cannot write the output: %1").arg(mOutput.failure()));
    return OutputLost;
}

QStringList TelemetryExporter::recordings(int &status)
{
    QStringList files;
    for (const QString &path : mOptions.files) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        const QStringList found = RecordingFiles::inFolder(path, mOptions.recursive);
        if (found.isEmpty()) {
            reportError(QStringLiteral("%1: no recordings in this folder").arg(path));
            status = FileNotRead;
        }
        files += found;
    }
    return files;
}

std::unique_ptr<ParserObject> TelemetryExporter::openParser(const QString &path)
{
    // One open: the parser keeps why its file could not be opened.
    std::unique_ptr<ParserObject> parser = createParser(path);
    const QString reason = parser->videoInfo().openError;
    if (reason.isEmpty())
        return parser;
    reportError(QStringLiteral("%1: cannot open: %2").arg(path, reason));
    return nullptr;
}

std::unique_ptr<TrackWriter> TelemetryExporter::createWriter(QIODevice &output, bool namesFiles)
{
    switch (mOptions.format) {
    case ExportFormat::Json: return std::make_unique<JsonLinesWriter>(output, namesFiles);
    case ExportFormat::Csv: return std::make_unique<CsvWriter>(output, namesFiles);
    case ExportFormat::Gpx: return std::make_unique<GpxWriter>(output);
    case ExportFormat::Kml: return std::make_unique<KmlWriter>(output);
    case ExportFormat::GeoJson: return std::make_unique<GeoJsonWriter>(output);
    case ExportFormat::Srt: return std::make_unique<SrtWriter>(output, mOptions.milesPerHour);
    case ExportFormat::Ass: return std::make_unique<AssWriter>(output, mOptions.milesPerHour);
    }
    return nullptr;
}

// Each recording's output in a file of its own beside it, written whole or
// not at all: a recording that cannot be read, or a file that cannot be
// written, leaves no file behind.
void TelemetryExporter::writeBeside(const QStringList &files, int &status)
{
    for (const QString &path : files) {
        const std::unique_ptr<ParserObject> parser = openParser(path);
        if (!parser) {
            status = FileNotRead;
            continue;
        }
        warnIfTruncated(path, parser->videoInfo(), parser->records());
        const QFileInfo recording(path);
        QSaveFile file(recording.dir().filePath(recording.completeBaseName() + mOptions.suffix()));
        if (!file.open(QIODevice::WriteOnly)) {
            reportError(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
            status = OutputLost;
            continue;
        }
        CheckedOutput output(file);
        const std::unique_ptr<TrackWriter> writer = createWriter(output, false);
        writer->begin();
        writeSamples(path, *parser, *writer);
        writer->end();
        if (!output.finish() || !file.commit()) {
            reportError(QStringLiteral("cannot write %1: %2")
                            .arg(file.fileName(), output.failed() ? output.failure() : file.errorString()));
            status = OutputLost;
        }
    }
}

void TelemetryExporter::writeInfo(const QString &path, const ParserObject &parser)
{
    const VideoInfo info = parser.videoInfo();
    const QJsonValue creationTime =
        info.creationTime.isValid()
            ? QJsonValue(info.creationTime.toLocalTime().toString("yyyy-MM-ddTHH:mm:ss"))
            : QJsonValue::Null;
    const QJsonObject line{{"file", FileNameCodec::readable(path)},
                           {"width", info.width},
                           {"height", info.height},
                           {"duration", static_cast<qint64>(info.duration)},
                           {"creationTime", creationTime},
                           {"layout", gpsKindName(parser.layout())},
                           {"records", static_cast<qint64>(parser.records())},
                           {"truncated", info.truncated},
                           {"readableRecords", static_cast<qint64>(info.readableRecords)},
                           {"recovered", info.recovered}};
    mOutput.write(QJsonDocument(line).toJson(QJsonDocument::Compact));
    mOutput.write("\n");
}

// Seconds before --from are decoded too: each course is taken from the
// sample before it, so a part of a file gets the same courses as the whole.
void TelemetryExporter::writeSamples(const QString &path, ParserObject &parser,
                                     TrackWriter &writer)
{
    // The last stored record is never served: n records give n - 1 seconds.
    const quint32 claimed = parser.records() > 0 ? parser.records() - 1 : 0;
    const quint32 served = parser.secondsToDecode();
    if (claimed > secondLimit)
        reportError(QStringLiteral("%1: claims %2 seconds of records; writing the first %3")
                        .arg(path).arg(claimed).arg(served));
    writer.beginFile(FileNameCodec::readable(path));
    TrackDecoder decoder(parser, static_cast<int>(qMin<qint64>(served, qint64(mOptions.to) + 1)));
    GpsData data;
    while (decoder.nextSample(data)) {
        if (mOptions.includes(data.second))
            writer.writeSample(data);
    }
    writer.endFile();
}

QVector<Trip> TelemetryExporter::readTrips(const QStringList &files, QVector<ClipInput> &clips,
                                           int &status)
{
    QStringList names;
    for (const QString &path : files)
        names << QFileInfo(path).fileName();
    for (const int index : CameraFileName::mainCameraFiles(names)) {
        const QString &path = files[index];
        const std::unique_ptr<ParserObject> parser = openParser(path);
        if (!parser) {
            status = FileNotRead;
            continue;
        }
        const VideoInfo info = parser->videoInfo();
        warnIfTruncated(path, info, parser->records());
        clips.append(ClipInput::of(path, decodeTrack(*parser), info));
    }
    return buildTrips(clips);
}

namespace {

// Tenths are as much as a trip's summary can claim.
double tenths(double value)
{
    return std::round(value * 10.0) / 10.0;
}

QJsonValue tripTime(const Trip &trip, qint64 utcMsecs)
{
    return trip.hasTime ? QJsonValue(CameraTime::isoText(utcMsecs)) : QJsonValue(QJsonValue::Null);
}

} // namespace

void TelemetryExporter::writeTrip(const Trip &trip, const QVector<ClipInput> &clips)
{
    QJsonArray files;
    for (const TripClip &clip : trip.clips)
        files.append(FileNameCodec::readable(clips[clip.input].path));
    QJsonArray events;
    for (const TelemetryEvent &event : trip.events)
        events.append(QJsonObject{
            {"file", files[event.clip]},
            {"second", event.second},
            {"kind", event.kind == TelemetryEvent::Horizontal ? "horizontal" : "vertical"},
            {"g", std::round(event.g * 100.0) / 100.0}});
    const QJsonObject line{{"files", files},
                           {"start", tripTime(trip, trip.startUtcMsecs)},
                           {"end", tripTime(trip, trip.endUtcMsecs)},
                           {"duration", trip.durationSeconds},
                           {"distanceMetres", tenths(trip.distanceMetres)},
                           {"maxSpeedKmh", tenths(trip.maxSpeedKmh)},
                           {"averageMovingSpeedKmh", tenths(trip.averageMovingSpeedKmh)},
                           {"events", events}};
    mOutput.write(QJsonDocument(line).toJson(QJsonDocument::Compact));
    mOutput.write("\n");
}

// Each trip is named after its start, or its first file when it has no time.
void TelemetryExporter::writeMergedTrips(const QVector<Trip> &trips, const QVector<ClipInput> &clips)
{
    const std::unique_ptr<TrackWriter> writer = createWriter(mOutput, false);
    writer->begin();
    for (const Trip &trip : trips) {
        if (mOutput.failed())
            break;
        const QString first = QFileInfo(clips[trip.clips.first().input].path).fileName();
        writer->beginTrip(trip.hasTime ? CameraTime::isoText(trip.startUtcMsecs)
                                       : FileNameCodec::readable(first));
        for (const TripClip &clip : trip.clips) {
            writer->beginFile(FileNameCodec::readable(clips[clip.input].path));
            for (const TrackPoint &point : clips[clip.input].track)
                writer->writePoint(point);
            writer->endFile();
        }
        writer->endTrip();
    }
    writer->end();
}

// A cut file is not an error (what it holds is written), but the user must
// know that the track ends early or was pieced together by a scan.
void TelemetryExporter::warnIfTruncated(const QString &path, const VideoInfo &info,
                                        quint32 records)
{
    if (info.recovered)
        reportError(QStringLiteral("%1: warning: the file is truncated and the index of its "
                                   "records is lost; %2 records were recovered by scanning the file")
                        .arg(path).arg(info.readableRecords));
    else if (info.truncated)
        reportError(QStringLiteral("%1: warning: the file is truncated; %2 of %3 records are readable")
                        .arg(path).arg(info.readableRecords).arg(records));
}

void TelemetryExporter::reportError(const QString &message)
{
    mErrors.write(QStringLiteral("vantrel-telemetry: %1\n").arg(message).toLocal8Bit());
}
