#include "ExportPlanner.h"

#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "VideoFile.h"

#include <algorithm>

QVector<ExportPlanner::Source> ExportPlanner::tripSources(const PlaylistModel &model, int trip)
{
    QVector<Source> sources;
    if (trip < 0 || trip >= model.trips().size())
        return sources;
    const Trip &drive = model.trips().at(trip);
    for (int clip = 0; clip < drive.clips.size(); ++clip) {
        const int row = model.rowOfClip(trip, clip);
        const PlaylistRow *main = model.rowAt(row);
        if (!main)
            continue;
        Source source;
        source.mainPath = VideoFile::localPath(main->url);
        if (const PlaylistRow *companion = model.rowAt(model.companionOf(row)))
            source.companionPath = VideoFile::localPath(companion->url);
        source.offsetSeconds = drive.clips[clip].offsetSeconds;
        source.durationSeconds = drive.clips[clip].durationSeconds;
        if (const TelemetryTrack *track = model.trackOf(row))
            source.track = *track;
        sources << source;
    }
    return sources;
}

QVector<ExportClip> ExportPlanner::clipsForRange(const QVector<Source> &sources, int fromTripSecond, int toTripSecond)
{
    QVector<ExportClip> clips;
    for (int i = 0; i < sources.size(); ++i) {
        const Source &source = sources[i];
        // A clip's track may run past the next clip's start: each second of
        // the trip is taken once, from the clip that starts there.
        qint64 length = source.durationSeconds;
        if (i + 1 < sources.size())
            length = std::min<qint64>(length, qint64(sources[i + 1].offsetSeconds) - source.offsetSeconds);
        // In the clip's own seconds; 64 bits, as offsets come from files.
        const qint64 from = std::max<qint64>(qint64(fromTripSecond) - source.offsetSeconds, 0);
        const qint64 to = std::min<qint64>(qint64(toTripSecond) - source.offsetSeconds, length);
        if (to <= from)
            continue;
        ExportClip clip;
        clip.mainPath = source.mainPath;
        clip.companionPath = source.companionPath;
        clip.fromSecond = int(from);
        clip.toSecond = int(to);
        clip.track = source.track;
        clips << clip;
    }
    return clips;
}

ExportRequest ExportPlanner::request(const PlaylistModel &model, int trip, int fromTripSecond, int toTripSecond)
{
    ExportRequest request;
    request.clips = clipsForRange(tripSources(model, trip), fromTripSecond, toTripSecond);
    return request;
}

bool ExportPlanner::hasCompanions(const QVector<ExportClip> &clips)
{
    return !clips.isEmpty() && std::all_of(clips.cbegin(), clips.cend(), [](const ExportClip &clip) {
        return !clip.companionPath.isEmpty();
    });
}
