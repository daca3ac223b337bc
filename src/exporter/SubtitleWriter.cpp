#include "SubtitleWriter.h"

#include "TelemetryCaption.h"

#include <QRegularExpression>

namespace {

// Invisible, and breaks whatever a reader would take as markup after the
// character it follows.
const QChar wordJoiner(0x2060);

// Lines split at every line break; control characters shown as spaces.
QStringList plainLines(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines) {
        for (QString part : line.split(QRegularExpression(QStringLiteral("\r\n|\r|\n|\u2028|\u2029")))) {
            for (QChar &c : part) {
                if (c.category() == QChar::Other_Control)
                    c = QLatin1Char(' ');
            }
            out << part;
        }
    }
    return out;
}

// Braces as libass's escapes (ffmpeg's SubRip reader hands them on to it);
// a backslash, and a brace or `alsoBroken` character, followed by a word
// joiner so that what comes next is never read as an escape or a tag.
QString escapedText(const QString &line, QChar alsoBroken)
{
    QString out;
    out.reserve(line.size() + 8);
    for (const QChar c : line) {
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += QLatin1Char('\\');
        out += c;
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == alsoBroken)
            out += wordJoiner;
    }
    return out;
}

QString srtTime(qint64 ms)
{
    return QStringLiteral("%1:%2:%3,%4")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString assTime(qint64 ms)
{
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000)
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 10 % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

SubtitleWriter::SubtitleWriter(QIODevice &output, bool milesPerHour)
    : TrackWriter(output), mMilesPerHour(milesPerHour)
{
}

void SubtitleWriter::beginFile(const QString &path)
{
    Q_UNUSED(path)
}

void SubtitleWriter::writeSample(const GpsData &data)
{
    writePoint(TrackPoint::fromSample(data));
}

void SubtitleWriter::writePoint(const TrackPoint &point)
{
    writeCue(point.second, TelemetryCaption::lines(point, mMilesPerHour));
}

void SubtitleWriter::write(const QString &text)
{
    out.write(text.toUtf8());
}

void SrtWriter::beginFile(const QString &path)
{
    Q_UNUSED(path)
    mCue = 0;
}

void SrtWriter::writeCue(int second, const QStringList &lines)
{
    QString cue = QStringLiteral("%1\n%2 --> %3\n")
                      .arg(++mCue)
                      .arg(srtTime(qint64(second) * 1000), srtTime(qint64(second + 1) * 1000));
    for (const QString &line : plainLines(lines))
        cue += escaped(line) + QLatin1Char('\n');
    write(cue + QLatin1Char('\n'));
}

QString SrtWriter::escaped(const QString &line)
{
    // A blank line would end the cue early.
    if (line.trimmed().isEmpty())
        return QString(QChar(0x00A0));
    // Readers drop the spaces a line begins or ends with, but not those
    // beside a joiner.
    QString escaped = escapedText(line, QLatin1Char('<'));
    if (escaped.front().isSpace())
        escaped.prepend(wordJoiner);
    if (escaped.back().isSpace())
        escaped.append(wordJoiner);
    return escaped;
}

void AssWriter::begin()
{
    // Sized for a 720-line picture; libass scales it to the video's own.
    write(QStringLiteral(
        "[Script Info]\n"
        "ScriptType: v4.00+\n"
        "PlayResX: 1280\n"
        "PlayResY: 720\n"
        "WrapStyle: 2\n"
        "ScaledBorderAndShadow: yes\n"
        "\n"
        "[V4+ Styles]\n"
        "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, "
        "Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, "
        "Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
        "Style: Telemetry,DejaVu Sans,30,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,"
        "-1,0,0,0,100,100,0,0,1,2.5,1,1,24,24,18,1\n"
        "\n"
        "[Events]\n"
        "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"));
}

void AssWriter::writeCue(int second, const QStringList &lines)
{
    QStringList text;
    for (const QString &line : plainLines(lines))
        text << escaped(line);
    write(QStringLiteral("Dialogue: 0,%1,%2,Telemetry,,0,0,0,,%3\n")
              .arg(assTime(qint64(second) * 1000), assTime(qint64(second + 1) * 1000),
                   text.join(QStringLiteral("\\N"))));
}

QString AssWriter::escaped(const QString &line)
{
    return escapedText(line, QLatin1Char('{'));
}
