#pragma once

#include "ExportRequest.h"
#include "FfmpegProgress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <memory>

class LowPriorityProcess;
class QThread;

// One export through ffmpeg (argument lists, never a shell). Lives on the GUI
// thread and never blocks it: the probe and ffmpeg run as processes whose
// output arrives as signals (ffmpeg below the program's priority), and the
// track, subtitles and overlay script are written on a thread of the job's
// own, which a cancel stops and the destructor waits for.
//
// Everything is written under temporary names in the target folder (the
// video, the .gpx and .srt beside it, the overlay script) and renamed to the
// final names only when ffmpeg succeeded; on failure or cancel every
// temporary file is removed, so no half-written file is ever left under a
// name the user sees. Delete a finished job with deleteLater().
class ExportJob : public QObject
{
    Q_OBJECT
public:
    explicit ExportJob(ExportRequest request, QObject *parent = nullptr);
    ~ExportJob() override;  // kills a running ffmpeg and removes its temporary files

    const ExportRequest &request() const;
    // The programs run; tests point them at a missing one.
    static void setFfmpegProgram(const QString &program);
    static void setFfprobeProgram(const QString &program);

    void start();
    // Stops ffmpeg at once; temporary files removed; finished(false, tr("Cancelled")).
    void cancel();
    bool isRunning() const;

signals:
    // From ffmpeg's own -progress output; secondsLeft -1 = unknown.
    void progress(double fraction, int secondsLeft);
    // message: the reason on failure (folder not writable, disk full,
    // ffmpeg missing, ffmpeg's last error lines).
    void finished(bool ok, const QString &message);

private:
    struct Output
    {
        QString temporary;
        QString final;  // empty: removed in any case
    };

    QString startWriter();
    void textsWritten(const QString &problem);
    void stopWriter();
    void fitToVideos();
    QString createTemporary(const QString &finalPath, const QString &suffix, QString &temporary);
    void probeNext();
    void probeFinished(bool ran);
    void filesProbed();
    void runFfmpeg();
    void readProgress();
    void readErrors();
    void ffmpegFinished(int exitCode, QProcess::ExitStatus status);
    QString ffmpegFailure(int exitCode) const;
    QString writeFailure(const QString &detail) const;
    QString commitOutputs();
    void removeTemporaries();
    void stopProcess();
    void finish(bool ok, const QString &message);
    void failLater(const QString &message);
    QString folder() const;

    ExportRequest mRequest;
    QVector<Output> mOutputs;  // the video first
    QString mOverlayFile;
    QVector<bool> mHasAudio;       // per clip, from the probe
    QVector<double> mVideoSeconds; // per clip, the main picture's length; 0: not known
    QSize mFrameSize;         // the first clip's main picture
    LowPriorityProcess *mProcess = nullptr;
    QThread *mWriter = nullptr;  // writes the texts; ends before the job goes
    std::shared_ptr<std::atomic_bool> mWriterCancelled;
    FfmpegProgress mProgress;
    QByteArray mErrors;
    QElapsedTimer mClock;
    bool mRunning = false;
};
