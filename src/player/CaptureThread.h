#pragma once

#include "TrackPoint.h"

#include <QMutex>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>

// The screenshot worker of one player widget. Each queued request (a video
// file and a position in milliseconds) becomes one JPEG still in the folder
// it is given, written by an ffmpeg run that reads the frame from the file
// itself, so the image has the video's own frame size. Requests are taken one
// after the other until the queue is empty; then the thread ends. When GPS
// tags are on, a request's telemetry goes into the still's EXIF block. Every
// request ends in `captured` or `captureFailed`; ffmpeg writes under a
// temporary name and the still gets its own name only whole, so a failed run
// leaves no file behind. Destroying the worker stops a running ffmpeg and
// waits for the thread.
class CaptureThread : public QThread
{
    Q_OBJECT
public:
    explicit CaptureThread(QObject *parent = nullptr);
    ~CaptureThread() override;

    // Where the next run saves: `folder`, or `fallback` when `folder` is
    // empty or cannot be used.
    void setFolders(const QString &folder, const QString &fallback);
    // Whether the stills of the next requests carry their second's
    // telemetry as EXIF GPS tags.
    void setGpsTags(bool on);
    // Queues a capture of `file` (a decoded URL path) at `position` ms, with
    // the telemetry of that second (none: a point without a fix).
    // Requests for another file discard the ones still waiting.
    void addTask(const QString &file, qint64 position, const TrackPoint &point = TrackPoint());
    // Requests not yet taken; a request that came after the run found its
    // queue empty stays here until the worker is started again.
    bool hasTasks() const;
    // Ends the run as soon as possible: the running ffmpeg is killed and the
    // waiting requests are dropped. Final: a stopped worker captures nothing.
    void requestStop();

    // How long one ffmpeg run may take before it is killed, so that a
    // hanging run cannot stall the queue for good.
    static constexpr int defaultCaptureTimeoutMs = 30000;
    static void setCaptureTimeoutMs(int milliseconds);
    static int captureTimeoutMs();

    // "hh:mm:ss.zzz" of `position` ms; the position counts as a 32-bit value.
    static QString startTimeText(qint64 position);
    // "<folder>/ScreenShot_<name without its last suffix>__<timeStr><tag>.jpeg"
    static QString outputFilePath(const QString &folder, const QString &videoFile,
                                  const QString &timeStr, const QString &tag = QString());
    // Creates an empty file under the first free name for this still (adding
    // "_2", "_3" ... when the name is taken), so that no other capture, of
    // this worker or another, can take the same name. Empty with `reason`
    // set when the folder takes no file.
    static QString reserveOutputFile(const QString &folder, const QString &videoFile,
                                     const QString &timeStr, QString *reason);
    // The URL path as a local path (drops the slash before a drive letter).
    static QString localInputPath(const QString &urlPath);
    static QStringList ffmpegArguments(const QString &startTime, const QString &inputFile,
                                       const QString &outputFile);
    // The command as one line for the log; the quoting is for reading only.
    static QString displayCommand(const QString &program, const QStringList &arguments);

signals:
    void captured(const QString &filePath);
    void captureFailed(const QString &folder, const QString &reason);
    // `folder` could not be used (for `reason`); the stills go to `fallback`.
    void folderReplaced(const QString &folder, const QString &reason, const QString &fallback);

protected:
    void run() override;

private:
    struct Task
    {
        qint64 position = 0;
        TrackPoint point;
        bool gpsTags = false;
    };

    bool takeTask(QString *file, Task *task);
    void dropTasks();
    // The folder this run saves into, or empty (and reported) when none works.
    QString chooseFolder();
    void capture(const QString &folder, const QString &file, const Task &task);
    // Puts the image ffmpeg wrote into `frameFile` under `outputFile`, tagged
    // when the task asks for it; empty on success, otherwise why not.
    static QString saveStill(const QString &frameFile, const QString &outputFile, const Task &task);
    // Empty when ffmpeg ran to its end with success, otherwise why not.
    QString runFfmpeg(const QStringList &arguments);

    mutable QMutex mMutex;
    QString mVideoFile;
    QQueue<Task> mTasks;
    bool mGpsTags = false;
    QString mFolder;
    QString mFallbackFolder;
    std::atomic<bool> mStopRequested{false};
};
