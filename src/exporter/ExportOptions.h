#pragma once

#include <QString>
#include <QStringList>

#include <limits>

enum class ExportFormat { Json, Csv, Gpx, Kml, GeoJson, Srt, Ass };

// The command line of vantrel-telemetry, checked and turned into values.
// Parsing never exits the process: main() decides what each action does.
class ExportOptions
{
public:
    enum class Action { Export, Info, Trips, Help, Version, Invalid };

    static ExportOptions fromArguments(const QStringList &arguments);

    bool subtitleFormat() const { return format == ExportFormat::Srt || format == ExportFormat::Ass; }
    // The file name suffix of the format's files.
    QString suffix() const;

    // Whether a sample of this second belongs in the output.
    bool includes(int second) const { return second >= from && second <= to; }

    Action action = Action::Invalid;
    ExportFormat format = ExportFormat::Json;
    int from = 0;
    int to = std::numeric_limits<int>::max();
    QStringList files;   // recordings and folders, as given
    bool recursive = false;  // folders: every folder below them too
    bool mergeTrips = false; // track formats: one track per trip, one segment per clip
    bool beside = false;     // subtitle formats: one file beside each recording instead of stdout
    bool milesPerHour = false; // subtitle formats: speed in mph
    bool verbose = false;
    QString error;  // why the arguments were refused (Action::Invalid)
    QString usage;  // the help text, for --help and for refusals
};
