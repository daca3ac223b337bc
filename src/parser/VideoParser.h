#pragma once

#include "GpsData.h"
#include "VideoInfo.h"

#include <QMutex>
#include <QThread>
#include <QUrl>
#include <QWaitCondition>

#include <atomic>

// The thread that does all file reading for one opened video. It walks the
// container once, reports the VideoInfo, then serves the sample of whatever
// playback second the GUI asks for last. Requests are not queued: seconds
// asked for while it was busy are skipped. Destroying the worker stops it and
// waits for it.
class VideoParser : public QThread
{
    Q_OBJECT
public:
    explicit VideoParser(QObject *parent = nullptr);
    ~VideoParser() override;

    // Starts the thread on `fileUrl`; every signal carries `id`. Once only.
    void startParsing(const QUrl &fileUrl, int id);
    // The latest playback second of this file; -1 asks for nothing.
    void setSecond(int second);

signals:
    void videoInfoChanged(int mId, VideoInfo info);
    void gpsDataChanged(int mId, GpsData data);

protected:
    void run() override;

private:
    // Sleeps until a new request or a stop arrives.
    void waitForRequest(int servedSecond);
    void waitUntilFinished();

    std::atomic<bool> running{false};
    // Set when the worker is destroyed: the walk or read in progress ends.
    std::atomic<bool> mCancelled{false};
    int mId = 0;
    QUrl url;
    std::atomic<int> requestedSecond{-1};
    QMutex mWakeMutex;
    QWaitCondition mWake;
};
