#include "ClipEncoder.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QTextStream>

namespace {

constexpr int ffmpegTimeoutMs = 10 * 60 * 1000;
const char engineHum[] =
    "anoisesrc=c=brown:a=0.06:r=44100:seed=7,lowpass=f=220,tremolo=f=31:d=0.5[sound]";

QString creationTime(const QDateTime &start)
{
    return "creation_time=" + start.toUTC().toString(Qt::ISODate);
}

// ffmpeg's concat list quotes names in single quotes.
QString concatEntry(const QString &path)
{
    QString quoted = path;
    quoted.replace("'", "'\\''");
    return "file '" + quoted + "'\n";
}

} // namespace

ClipEncoder::ClipEncoder(const QString &ffmpeg, const QString &fontFile)
    : mFfmpeg(ffmpeg), mFontFile(fontFile)
{
}

bool ClipEncoder::encode(const ClipRequest &request, const QString &output)
{
    const RoadScene scene(request.camera, request.fps);
    QString graph = scene.filterGraph(request.start.toSecsSinceEpoch(), mFontFile);
    QStringList streams = {"-map", "[video]"};
    if (request.withSound) {
        graph += QString(";") + engineHum;
        streams << "-map" << "[sound]" << "-c:a" << "aac" << "-b:a" << "32k" << "-ac" << "1";
    }
    return run(QStringList{"-filter_complex", graph} + streams
               + QStringList{"-t", QString::number(request.seconds),
                             "-c:v", "libx264", "-preset", "ultrafast", "-crf", "30",
                             "-maxrate", "1M", "-bufsize", "2M", "-pix_fmt", "yuv420p",
                             "-g", QString::number(request.fps * 2),
                             "-metadata", creationTime(request.start),
                             "-f", request.container, output});
}

bool ClipEncoder::join(const QStringList &clips, const QDateTime &start, const QString &container,
                       const QString &output)
{
    QTemporaryFile list;
    if (!list.open()) {
        mError = list.errorString();
        return false;
    }
    {
        QTextStream stream(&list);
        for (const QString &clip : clips)
            stream << concatEntry(clip);
    }
    list.flush();
    return run({"-f", "concat", "-safe", "0", "-i", list.fileName(), "-c", "copy",
                "-metadata", creationTime(start), "-f", container, output});
}

bool ClipEncoder::run(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(mFfmpeg, QStringList{"-nostdin", "-y", "-v", "error"} + arguments);
    if (!ffmpeg.waitForFinished(ffmpegTimeoutMs)) {
        mError = "ffmpeg did not finish: " + ffmpeg.errorString();
        ffmpeg.kill();
        ffmpeg.waitForFinished();
        return false;
    }
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        mError = QString("ffmpeg failed with exit code %1").arg(ffmpeg.exitCode());
        return false;
    }
    return true;
}
