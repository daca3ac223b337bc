#include "ClipInput.h"

#include "CameraFileName.h"

#include <QFileInfo>

ClipInput ClipInput::of(const QString &path, const TelemetryTrack &track, const VideoInfo &info)
{
    ClipInput clip;
    clip.path = path;
    clip.track = track;
    clip.durationSeconds = static_cast<int>(qMin<quint32>(info.duration, INT_MAX));
    qint64 named = 0;
    if (CameraFileName::nameTime(QFileInfo(path).fileName(), named)) {
        clip.fallbackStartUtcMsecs = named;
        clip.hasFallbackStart = true;
    } else if (info.creationTime.isValid()) {
        clip.fallbackStartUtcMsecs = info.creationTime.toMSecsSinceEpoch();
        clip.hasFallbackStart = true;
    }
    return clip;
}
