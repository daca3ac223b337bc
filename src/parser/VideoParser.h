#pragma once

#include "GpsData.h"
#include "TrackPoint.h"
#include "VideoInfo.h"

#include <QObject>
#include <QUrl>

#include <memory>

// The parse worker of one opened video. It walks the container once,
// reports the VideoInfo, then serves the sample of whatever playback second
// the GUI asks for last. Requests are not queued: seconds asked for while it
// was busy are skipped. Between requests it decodes the whole file's track
// in the background, a few tens of seconds at a time, and reports it once. The reading is done on the threads of the shared
// ParseWorkerPool, which holds the file open only while it is read, so an
// idle worker costs no thread and no open file. Destroying the worker stops
// its reading where it is and never waits for it; nothing is reported after.
// The signals come from a pool thread: receivers get them queued.
class VideoParser : public QObject
{
    Q_OBJECT
public:
    explicit VideoParser(QObject *parent = nullptr);
    ~VideoParser() override;

    // Starts reading `fileUrl`; every signal carries `id`. Once only.
    void startParsing(const QUrl &fileUrl, int id);
    // The latest playback second of this file; -1 asks for nothing.
    void setSecond(int second);

signals:
    void videoInfoChanged(int mId, VideoInfo info);
    void gpsDataChanged(int mId, GpsData data);
    // Every record of the file, once, after the VideoInfo: empty without
    // telemetry, as far as it could be read in a damaged file.
    void trackReady(int mId, TelemetryTrack track);

private:
    class Slot;
    std::shared_ptr<Slot> mSlot;
    int mEarlySecond = -1;  // asked for before the start
};
