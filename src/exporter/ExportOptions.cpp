#include "ExportOptions.h"

#include <QCommandLineParser>

namespace {

// In the order of ExportFormat.
const QStringList formatNames = {"json", "csv", "gpx", "kml", "geojson", "srt", "ass"};

bool readSecond(const QCommandLineParser &parser, const QString &name, int &second)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    second = parser.value(name).toInt(&ok);
    return ok && second >= 0;
}

ExportOptions refused(ExportOptions options, const QString &error)
{
    options.action = ExportOptions::Action::Invalid;
    options.error = error;
    return options;
}

} // namespace

ExportOptions ExportOptions::fromArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the telemetry that dashboard cameras store in their recordings."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        {"info", "Print each file's video information and record layout instead of samples."},
        {"trips", "Print one JSON line per trip: clips recorded one after the other, with start, end, distance, speeds and G-sensor events."},
        {"merge-trips", "With --format gpx, kml or geojson: one track per trip, one segment per clip."},
        {"format", "Output format: json (default), csv, gpx, kml, geojson, srt (subtitles: one cue per second with camera time, speed and position) or ass (the same styled for burning into a video).", "format", "json"},
        {"unit", "With --format srt or ass: the speed unit, kmh (default) or mph.", "unit", "kmh"},
        {"beside", "With --format srt or ass: write each recording's subtitles into a file beside it, named like it (.srt or .ass), instead of to standard output."},
        {"from", "First playback second to write.", "S"},
        {"to", "Last playback second to write.", "S"},
        {{"r", "recursive"}, "Also read the recordings in every folder below a folder given."},
        {"verbose", "Also print the parser's debug messages (on stderr)."},
    });
    parser.addPositionalArgument("FILE", "Recordings (.mp4, .mov, .avi), or folders: their recordings sorted by name.",
                                 "FILE|FOLDER...");

    ExportOptions options;
    options.usage = parser.helpText()
                    + QStringLiteral("\nExit status: 0 when every file was read, 1 when a file could not be\n"
                                     "opened (the others are still written), 2 for bad usage, 3 when the\n"
                                     "output could not be written.\n");
    if (!parser.parse(arguments))
        return refused(options, parser.errorText());
    if (parser.isSet(help) || parser.isSet("help-all")) {
        options.action = Action::Help;
        return options;
    }
    if (parser.isSet(version)) {
        options.action = Action::Version;
        return options;
    }

    options.verbose = parser.isSet("verbose");
    options.recursive = parser.isSet("recursive");
    options.files = parser.positionalArguments();
    const int formatIndex = formatNames.indexOf(parser.value("format"));
    if (formatIndex < 0)
        return refused(options, QStringLiteral("Unknown format: %1").arg(parser.value("format")));
    options.format = static_cast<ExportFormat>(formatIndex);
    if (!readSecond(parser, "from", options.from) || !readSecond(parser, "to", options.to))
        return refused(options, QStringLiteral("Seconds must be whole numbers from 0."));
    if (options.from > options.to)
        return refused(options, QStringLiteral("--from is after --to."));
    if (options.files.isEmpty())
        return refused(options, QStringLiteral("No file given."));

    const bool info = parser.isSet("info");
    const bool trips = parser.isSet("trips");
    const bool ranged = parser.isSet("from") || parser.isSet("to");
    if (info && trips)
        return refused(options, QStringLiteral("--info and --trips exclude each other."));
    if ((info || trips)
        && (parser.isSet("format") || ranged || parser.isSet("merge-trips") || parser.isSet("unit")
            || parser.isSet("beside")))
        return refused(options, QStringLiteral("--%1 takes no --format, --from, --to, --merge-trips, --unit or --beside.")
                                    .arg(info ? "info" : "trips"));
    options.mergeTrips = parser.isSet("merge-trips");
    options.beside = parser.isSet("beside");
    const QString unit = parser.value("unit");
    if (unit != QLatin1String("kmh") && unit != QLatin1String("mph"))
        return refused(options, QStringLiteral("Unknown unit: %1").arg(unit));
    options.milesPerHour = unit == QLatin1String("mph");
    if ((options.beside || parser.isSet("unit")) && !options.subtitleFormat())
        return refused(options, QStringLiteral("--beside and --unit take --format srt or ass."));
    const bool trackFormat = options.format == ExportFormat::Gpx || options.format == ExportFormat::Kml
                             || options.format == ExportFormat::GeoJson;
    if (options.mergeTrips && (!trackFormat || ranged))
        return refused(options, QStringLiteral("--merge-trips takes --format gpx, kml or geojson, and no --from or --to."));
    options.action = info ? Action::Info : trips ? Action::Trips : Action::Export;
    return options;
}

QString ExportOptions::suffix() const
{
    return QLatin1Char('.') + formatNames.value(int(format));
}
