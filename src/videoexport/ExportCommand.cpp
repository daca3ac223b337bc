#include "ExportCommand.h"

namespace {

// Every input is one clip's share: the same seconds of each of its files.
QStringList sharedInput(const ExportClip &clip, const QString &file)
{
    return {QStringLiteral("-ss"), ExportCommand::secondsText(clip.fromSecond), QStringLiteral("-t"),
            ExportCommand::secondsText(clip.durationSeconds()), QStringLiteral("-i"), file};
}

QStringList generatedInput(int seconds, const QString &source)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-t"),
            ExportCommand::secondsText(seconds), QStringLiteral("-i"), source};
}

QString escaped(QString text, const QString &specials)
{
    QString out;
    out.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (specials.contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

// Both cameras of one clip side by side, the second scaled to the main's
// height keeping its own shape (widths even, as H.264 needs). In scale2ref
// iw and ih are the reference's (the main camera), mdar the scaled input's.
QString sideBySide(const QString &main, int second, int clip)
{
    return QStringLiteral("[%2:v]%1scale2ref=w=trunc(oh*mdar/2)*2:h=ih[s%3][m%3];"
                          "[m%3]format=yuv420p[mf%3];[s%3]format=yuv420p[sf%3];"
                          "[mf%3][sf%3]hstack=inputs=2,setpts=PTS-STARTPTS[v%3];")
        .arg(main)
        .arg(second)
        .arg(clip);
}

// The second camera at a quarter of the main's width in its top right corner.
QString pictureInPicture(const QString &main, int second, int clip)
{
    return QStringLiteral("[%2:v]%1scale2ref=w=trunc(iw/8)*2:h=trunc(ow/mdar/2)*2[s%3][m%3];"
                          "[m%3][s%3]overlay=x=main_w-overlay_w-main_w/40:y=main_h/30,"
                          "format=yuv420p,setpts=PTS-STARTPTS[v%3];")
        .arg(main)
        .arg(second)
        .arg(clip);
}

QString mainOnly(const QString &main, int clip)
{
    return QStringLiteral("%1format=yuv420p,setpts=PTS-STARTPTS[v%2];").arg(main).arg(clip);
}

// The main picture of a clip fitted into the first clip's frame, so that
// clips of another size still join (the concat filter needs one size).
QString fitted(int main, int clip, const QSize &frame, QString &graph)
{
    if (!frame.isValid())
        return QStringLiteral("[%1:v]").arg(main);
    const int width = frame.width() & ~1;
    const int height = frame.height() & ~1;
    graph += QStringLiteral("[%1:v]scale=%2:%3:force_original_aspect_ratio=decrease,"
                            "pad=%2:%3:(ow-iw)/2:(oh-ih)/2,setsar=1[f%4];")
                 .arg(main)
                 .arg(width)
                 .arg(height)
                 .arg(clip);
    return QStringLiteral("[f%1]").arg(clip);
}

// Every share's sound in one format and exactly as long as its picture, so
// the joined sound stays in step with the joined picture.
QString sound(int input, int clip, int seconds)
{
    return QStringLiteral("[%1:a]aformat=sample_rates=48000:channel_layouts=stereo,asetpts=PTS-STARTPTS,"
                          "apad=whole_dur=%3,atrim=end=%3[a%2];")
        .arg(input)
        .arg(clip)
        .arg(seconds);
}

QStringList streamCopy(const ExportRequest &request, const ExportCommand::Inputs &inputs)
{
    const ExportClip &clip = request.clips.first();
    QStringList arguments = sharedInput(clip, clip.mainPath);
    arguments << QStringLiteral("-map") << QStringLiteral("0:v:0");
    if (request.sound)
        arguments << QStringLiteral("-map") << QStringLiteral("0:a:0?");
    arguments << QStringLiteral("-c") << QStringLiteral("copy") << QStringLiteral("-avoid_negative_ts")
              << QStringLiteral("make_zero") << QStringLiteral("-movflags") << QStringLiteral("+faststart")
              << QStringLiteral("-f") << QStringLiteral("mp4") << inputs.outputFile;
    return arguments;
}

QStringList encoded(const ExportRequest &request, const ExportCommand::Inputs &inputs)
{
    QStringList arguments;
    QString graph;
    QString joined;
    int next = 0;
    for (int i = 0; i < request.clips.size(); ++i) {
        const ExportClip &clip = request.clips[i];
        const int seconds = clip.durationSeconds();
        const int main = next++;
        arguments << sharedInput(clip, clip.mainPath);
        const QString picture = fitted(main, i, inputs.frameSize, graph);
        if (request.layout != ExportLayout::MainOnly) {
            const int second = next++;
            arguments << (clip.companionPath.isEmpty()
                              ? generatedInput(seconds, QStringLiteral("color=c=black:s=640x360:r=25"))
                              : sharedInput(clip, clip.companionPath));
            graph += request.layout == ExportLayout::SideBySide ? sideBySide(picture, second, i)
                                                                : pictureInPicture(picture, second, i);
        } else {
            graph += mainOnly(picture, i);
        }
        joined += QStringLiteral("[v%1]").arg(i);
        if (request.sound) {
            int audio = main;
            if (i < inputs.mainHasAudio.size() && !inputs.mainHasAudio[i]) {
                audio = next++;
                arguments << generatedInput(seconds, QStringLiteral("anullsrc=r=48000:cl=stereo"));
            }
            graph += sound(audio, i, seconds);
            joined += QStringLiteral("[a%1]").arg(i);
        }
    }
    graph += joined
             + QStringLiteral("concat=n=%1:v=1:a=%2[joined]%3")
                   .arg(request.clips.size())
                   .arg(request.sound ? 1 : 0)
                   .arg(request.sound ? QStringLiteral("[sound]") : QString());
    graph += request.overlay ? QStringLiteral(";[joined]subtitles=filename=%1[video]")
                                   .arg(ExportCommand::filterValue(inputs.overlayFile))
                             : QStringLiteral(";[joined]null[video]");

    arguments << QStringLiteral("-filter_complex") << graph << QStringLiteral("-map") << QStringLiteral("[video]");
    if (request.sound)
        arguments << QStringLiteral("-map") << QStringLiteral("[sound]") << QStringLiteral("-c:a")
                  << QStringLiteral("aac") << QStringLiteral("-b:a") << QStringLiteral("128k");
    arguments << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset")
              << ExportCommand::preset(request.quality) << QStringLiteral("-crf")
              << QString::number(ExportCommand::crf(request.quality)) << QStringLiteral("-pix_fmt")
              << QStringLiteral("yuv420p") << QStringLiteral("-movflags") << QStringLiteral("+faststart")
              << QStringLiteral("-f") << QStringLiteral("mp4") << inputs.outputFile;
    return arguments;
}

} // namespace

QStringList ExportCommand::arguments(const ExportRequest &request, const Inputs &inputs)
{
    // Progress as key=value lines on stdout; errors stay on stderr.
    QStringList arguments{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-y"),
                          QStringLiteral("-progress"), QStringLiteral("pipe:1"), QStringLiteral("-nostats")};
    if (request.clips.isEmpty())
        return arguments;
    return arguments + (request.isStreamCopy() ? streamCopy(request, inputs) : encoded(request, inputs));
}

int ExportCommand::crf(ExportQuality quality)
{
    switch (quality) {
    case ExportQuality::Compact:
        return 28;
    case ExportQuality::High:
        return 19;
    case ExportQuality::Standard:
        break;
    }
    return 23;
}

QString ExportCommand::preset(ExportQuality quality)
{
    // Faster than real time on a small machine for the usual presets; the
    // high one trades time for a smaller file at its lower crf.
    return quality == ExportQuality::High ? QStringLiteral("faster") : QStringLiteral("veryfast");
}

QString ExportCommand::filterValue(const QString &value)
{
    return escaped(escaped(value, QStringLiteral("\\':")), QStringLiteral("\\'[],;"));
}

QString ExportCommand::secondsText(int seconds)
{
    return QString::number(seconds);
}
