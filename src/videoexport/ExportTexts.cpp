#include "ExportTexts.h"

#include "GpxWriter.h"
#include "SubtitleWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {

// The points of the range, numbered by their second in it, with the index of
// their clip; false when cancelled on the way.
bool forEachRangePoint(const ExportRequest &request, const std::atomic_bool &cancelled,
                       const std::function<void(int, const TrackPoint &)> &take)
{
    int offset = 0;
    for (int i = 0; i < request.clips.size(); ++i) {
        const ExportClip &clip = request.clips[i];
        for (TrackPoint point : clip.track) {
            if (cancelled.load(std::memory_order_relaxed))
                return false;
            if (point.second < clip.fromSecond || point.second >= clip.toSecond)
                continue;
            point.second = offset + point.second - clip.fromSecond;
            take(i, point);
        }
        offset += clip.durationSeconds();
    }
    return true;
}

bool writeSubtitles(SubtitleWriter &writer, const ExportRequest &request, const std::atomic_bool &cancelled)
{
    writer.begin();
    writer.beginFile(request.outputPath);
    const bool done = forEachRangePoint(request, cancelled, [&writer](int, const TrackPoint &point) {
        writer.writePoint(point);
    });
    writer.endFile();
    writer.end();
    return done;
}

bool writeTrack(QIODevice &device, const ExportRequest &request, const std::atomic_bool &cancelled)
{
    GpxWriter writer(device);
    writer.begin();
    writer.beginTrip(QFileInfo(request.outputPath).completeBaseName());
    int clip = -1;
    const bool done = forEachRangePoint(request, cancelled, [&](int index, const TrackPoint &point) {
        if (index != clip) {
            if (clip >= 0)
                writer.endFile();
            writer.beginFile(request.clips[index].mainPath);
            clip = index;
        }
        writer.writePoint(point);
    });
    if (clip >= 0)
        writer.endFile();
    writer.endTrip();
    writer.end();
    return done;
}

} // namespace

QString ExportTexts::write(const ExportRequest &request, const Paths &paths, const std::atomic_bool &cancelled)
{
    struct Text
    {
        QString path;
        std::function<bool(QIODevice &)> write;
    };
    const Text texts[] = {
        {paths.gpx, [&](QIODevice &device) { return writeTrack(device, request, cancelled); }},
        {paths.srt,
         [&](QIODevice &device) {
             SrtWriter writer(device, request.milesPerHour);
             return writeSubtitles(writer, request, cancelled);
         }},
        {paths.overlay,
         [&](QIODevice &device) {
             AssWriter writer(device, request.milesPerHour);
             return writeSubtitles(writer, request, cancelled);
         }},
    };
    for (const Text &text : texts) {
        if (text.path.isEmpty())
            continue;
        // Existing only: a cancelled export has removed its files already.
        QFile file(text.path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::ExistingOnly))
            return file.errorString();
        if (!text.write(file))
            return QCoreApplication::translate("ExportJob", "Cancelled");
        if (!file.flush() || file.error() != QFileDevice::NoError)
            return file.errorString();
    }
    return QString();
}
