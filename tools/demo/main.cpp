// Makes one demo recording: encodes the camera's picture with ffmpeg (or
// joins clips made before), then stores the demo drive's records in the
// camera layout asked for.

#include "AviTelemetry.h"
#include "ClipEncoder.h"
#include "DemoDrive.h"
#include "Mp4Telemetry.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

struct Options
{
    QString ffmpeg;
    QString fontFile;
    ClipRequest clip;
    QString layout;
    QStringList joined;
    QString output;
    int trip = 0;  // index into demoTrips()
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString containerFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "mov" ? "mov" : suffix == "avi" ? "avi" : "mp4";
}

bool parseOptions(const QCoreApplication &app, Options &options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes a demo dashcam recording with telemetry.");
    parser.addHelpOption();
    parser.addOptions({
        {"ffmpeg", "The ffmpeg program.", "path", "ffmpeg"},
        {"font", "Font file for the captions; none draws no text.", "file"},
        {"camera", "front or rear.", "camera", "front"},
        {"trip", "Which drive of the morning: 1 (10:15) or 2 (11:15).", "trip", "1"},
        {"start", "Drive second at which the clip starts.", "second", "0"},
        {"seconds", "Length of the clip.", "seconds", "60"},
        {"fps", "Frames per second.", "fps", "30"},
        {"sound", "Record the cabin microphone too."},
        {"layout", "Telemetry layout: gps0, gps-table or gpsl.", "layout"},
        {"join", "Join this clip (repeat in order) instead of encoding.", "clip"},
    });
    parser.addPositionalArgument("output", "The recording to write.");
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QStringList layouts = {"gps0", "gps-table", "gpsl"};
    bool startOk = false, secondsOk = false, fpsOk = false, tripOk = false;
    options.trip = parser.value("trip").toInt(&tripOk) - 1;
    tripOk = tripOk && options.trip >= 0 && options.trip < demoTrips().size();
    if (!tripOk)
        options.trip = 0;
    options.ffmpeg = parser.value("ffmpeg");
    options.fontFile = parser.value("font");
    options.clip.camera = parser.value("camera") == "rear" ? Camera::Rear : Camera::Front;
    const int start = parser.value("start").toInt(&startOk);
    options.clip.seconds = parser.value("seconds").toInt(&secondsOk);
    options.clip.fps = parser.value("fps").toInt(&fpsOk);
    options.clip.start = demoTrips().at(options.trip).start.addSecs(start);
    options.clip.withSound = parser.isSet("sound");
    options.layout = parser.value("layout");
    options.joined = parser.values("join");
    options.output = positional.value(0);
    options.clip.container = containerFor(options.output);

    const bool fitsDrive = startOk && secondsOk && start >= 0 && options.clip.seconds > 0
                           && start + options.clip.seconds <= DemoDrive::lastSecond;
    if (positional.size() != 1 || !fitsDrive || !tripOk || !fpsOk || options.clip.fps <= 0
        || !layouts.contains(options.layout)
        || (options.layout == "gpsl") != (options.clip.container == "avi")) {
        err() << "bad arguments; there are " << demoTrips().size() << " drives, each lasts "
              << DemoDrive::lastSecond << " s, and GPSL goes with AVI only\n";
        return false;
    }
    return true;
}

bool addTelemetry(const Options &options, const QString &path, QString *error)
{
    const DemoDrive drive(options.trip);
    const int start = static_cast<int>(drive.startTime().secsTo(options.clip.start));
    const QVector<GpsRecord> records = drive.records(start, options.clip.seconds);
    if (options.layout == "gps0")
        return Mp4Telemetry::appendGps0Box(path, records, error);
    if (options.layout == "gps-table")
        return Mp4Telemetry::addGpsTable(path, records, error);
    return AviTelemetry::appendGpslBlock(path, records, error);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    if (!parseOptions(app, options))
        return 2;

    // Work on a side file so that a failed run never leaves a half-made
    // recording under the final name.
    const QString partial = options.output + ".part";
    ClipEncoder encoder(options.ffmpeg, options.fontFile);
    const bool encoded = options.joined.isEmpty()
                             ? encoder.encode(options.clip, partial)
                             : encoder.join(options.joined, options.clip.start,
                                            options.clip.container, partial);
    QString error = encoder.errorString();
    if (!encoded || !addTelemetry(options, partial, &error)) {
        err() << options.output << ": " << error << "\n";
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(options.output);
    if (!QFile::rename(partial, options.output)) {
        err() << "cannot rename " << partial << "\n";
        return 1;
    }
    return 0;
}
