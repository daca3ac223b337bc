#include "ExportRequest.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

QString besideVideo(const QString &videoPath, const QString &suffix)
{
    const QFileInfo info(videoPath);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

QString tripClock(int seconds)
{
    seconds = qMax(0, seconds);
    return QStringLiteral("%1-%2-%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

int ExportRequest::durationSeconds() const
{
    int total = 0;
    for (const ExportClip &clip : clips)
        total += clip.durationSeconds();
    return total;
}

bool ExportRequest::isStreamCopy() const
{
    return clips.size() == 1 && !overlay && layout == ExportLayout::MainOnly;
}

QString ExportRequest::gpxPath() const
{
    return besideVideo(outputPath, QStringLiteral(".gpx"));
}

QString ExportRequest::srtPath() const
{
    return besideVideo(outputPath, QStringLiteral(".srt"));
}

QString ExportRequest::defaultFileName(qint64 tripStartUtcMsecs, int fromTripSecond, int toTripSecond)
{
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(tripStartUtcMsecs, Qt::UTC);
    return QStringLiteral("Trip_%1_%2_%3.mp4")
        .arg(start.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")), tripClock(fromTripSecond),
             tripClock(toTripSecond));
}
