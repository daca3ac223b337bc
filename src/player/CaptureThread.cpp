#include "CaptureThread.h"

#include "LowPriorityProcess.h"
#include "StaleTemporaries.h"
#include "StillGpsTags.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTime>
#include <QTimer>
#include <QUrl>

namespace {

std::atomic<int> captureTimeout{CaptureThread::defaultCaptureTimeoutMs};

// How often a waiting run looks at the stop request and the time limit.
constexpr int ffmpegPollMs = 100;

const QString ffmpegProgram = QStringLiteral("ffmpeg");

// However many stills are taken in one millisecond, names stay unique.
constexpr int maxNameAttempts = 100;
// Only the end of ffmpeg's error output is kept: its last line says why.
constexpr int keptErrorBytes = 4096;

// Paths are always shown quoted, options and times bare.
QString quotedForDisplay(const QString &argument)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.:=+-]+$"));
    if (plain.match(argument).hasMatch())
        return argument;
    QString escaped = argument;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// Why nothing can be saved in `folder`, or empty when a file can be made there.
QString folderProblem(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return qt_error_string(); // the failed mkdir's errno
    QTemporaryFile probe(folder + QStringLiteral("/.still-XXXXXX"));
    return probe.open() ? QString() : probe.errorString();
}

QString lastLine(const QByteArray &text)
{
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return QString::fromLocal8Bit(lines.last().trimmed());
}

} // namespace

CaptureThread::CaptureThread(QObject *parent)
    : QThread(parent)
{
}

CaptureThread::~CaptureThread()
{
    requestStop();
    wait();
}

void CaptureThread::setFolders(const QString &folder, const QString &fallback)
{
    QMutexLocker locker(&mMutex);
    mFolder = folder;
    mFallbackFolder = fallback;
}

void CaptureThread::setGpsTags(bool on)
{
    QMutexLocker locker(&mMutex);
    mGpsTags = on;
}

void CaptureThread::addTask(const QString &file, qint64 position, const TrackPoint &point)
{
    QMutexLocker locker(&mMutex);
    qDebug() << "addTask" << file;
    if (file != mVideoFile) {
        qDebug() << "capture video file changed, clear all task" << mVideoFile << file;
        mTasks.clear();
    }
    mVideoFile = file;
    // The setting as it was at the request.
    mTasks.enqueue({position, point, mGpsTags});
}

bool CaptureThread::hasTasks() const
{
    QMutexLocker locker(&mMutex);
    return !mTasks.isEmpty();
}

void CaptureThread::requestStop()
{
    mStopRequested = true;
    dropTasks();
}

void CaptureThread::setCaptureTimeoutMs(int milliseconds)
{
    captureTimeout = milliseconds;
}

int CaptureThread::captureTimeoutMs()
{
    return captureTimeout;
}

QString CaptureThread::startTimeText(qint64 position)
{
    return QTime(0, 0).addMSecs(static_cast<int>(position)).toString(QStringLiteral("hh:mm:ss.zzz"));
}

QString CaptureThread::outputFilePath(const QString &folder, const QString &videoFile,
                                      const QString &timeStr, const QString &tag)
{
    // Only the extension goes: "2026.12.06_F.MP4" and "2026.12.06_R.MP4"
    // are two cameras and keep two names.
    return QStringLiteral("%1/ScreenShot_%2__%3%4.jpeg")
        .arg(folder, QFileInfo(videoFile).completeBaseName(), timeStr, tag);
}

QString CaptureThread::reserveOutputFile(const QString &folder, const QString &videoFile,
                                         const QString &timeStr, QString *reason)
{
    for (int attempt = 1; attempt <= maxNameAttempts; ++attempt) {
        const QString tag = attempt == 1 ? QString() : QStringLiteral("_%1").arg(attempt);
        QFile file(outputFilePath(folder, videoFile, timeStr, tag));
        // Made only if no file of that name exists, in one step.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists()) {
            *reason = file.errorString();
            return {};
        }
    }
    *reason = tr("too many stills of the same moment");
    return {};
}

QString CaptureThread::localInputPath(const QString &urlPath)
{
    return QUrl::fromLocalFile(urlPath).toLocalFile();
}

QStringList CaptureThread::ffmpegArguments(const QString &startTime, const QString &inputFile,
                                           const QString &outputFile)
{
    // -ss before -i seeks the input before decoding; one frame at the best
    // JPEG quality. The output is a plain name, never a numbered pattern
    // (a '%' in a video's name stays a '%'), and replaces the temporary
    // file made for it. Only errors are written, so the last line of the
    // error output says why a run failed.
    return {QStringLiteral("-ss"), startTime, QStringLiteral("-i"), inputFile,
            QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-q:v"), QStringLiteral("2"),
            QStringLiteral("-f"), QStringLiteral("image2"), QStringLiteral("-update"), QStringLiteral("1"),
            QStringLiteral("-y"), QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
            outputFile};
}

QString CaptureThread::displayCommand(const QString &program, const QStringList &arguments)
{
    QStringList parts{quotedForDisplay(program)};
    for (const QString &argument : arguments)
        parts << quotedForDisplay(argument);
    return parts.join(QLatin1Char(' '));
}

void CaptureThread::run()
{
    // Chosen once per run: a folder changed in the settings applies to the next run.
    const QString folder = chooseFolder();
    if (folder.isEmpty()) {
        // The waiting requests cannot be captured either; keeping them
        // would only make the widget start this run again.
        dropTasks();
        return;
    }
    QString file;
    Task task;
    while (!mStopRequested && takeTask(&file, &task))
        capture(folder, file, task);
    qDebug() << "Capture task finished, exit thread";
}

QString CaptureThread::chooseFolder()
{
    QMutexLocker locker(&mMutex);
    const QString fallback = mFallbackFolder;
    // No folder chosen means the usual one.
    const QString folder = mFolder.trimmed().isEmpty() ? fallback : mFolder;
    locker.unlock();

    const QString problem = folderProblem(folder);
    if (problem.isEmpty())
        return QDir(folder).absolutePath(); // never taken for an ffmpeg option
    qDebug() << "screenshot folder unusable:" << folder << problem;
    if (fallback.isEmpty() || fallback == folder || !folderProblem(fallback).isEmpty()) {
        emit captureFailed(folder, problem);
        return {};
    }
    emit folderReplaced(folder, problem, fallback);
    return QDir(fallback).absolutePath();
}

bool CaptureThread::takeTask(QString *file, Task *task)
{
    QMutexLocker locker(&mMutex);
    if (mTasks.isEmpty())
        return false;
    *file = mVideoFile;
    *task = mTasks.dequeue();
    return true;
}

void CaptureThread::dropTasks()
{
    QMutexLocker locker(&mMutex);
    mTasks.clear();
}

void CaptureThread::capture(const QString &folder, const QString &file, const Task &task)
{
    const QString timeStr = QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-hhmmss_zzz"));
    QString problem;
    const QString outputFile = reserveOutputFile(folder, file, timeStr, &problem);
    if (outputFile.isEmpty()) {
        emit captureFailed(folder, problem);
        return;
    }
    StaleTemporaries::remove(folder, QStringLiteral(".still-*"));
    // Hidden, and removed with this object whatever happens; the ".jpeg"
    // makes ffmpeg write a JPEG.
    QTemporaryFile frame(folder + QStringLiteral("/.still-XXXXXX.jpeg"));
    if (!frame.open()) {
        problem = frame.errorString();
    } else {
        const QStringList arguments =
            ffmpegArguments(startTimeText(task.position), localInputPath(file), frame.fileName());
        qDebug().noquote() << "captureCmd:" << displayCommand(ffmpegProgram, arguments);
        problem = runFfmpeg(arguments);
    }
    if (problem.isEmpty())
        problem = saveStill(frame.fileName(), outputFile, task);
    if (problem.isEmpty()) {
        emit captured(outputFile);
        return;
    }
    // The empty file that held the name goes too; what ffmpeg wrote goes
    // with the temporary file.
    QFile::remove(outputFile);
    if (!mStopRequested)
        emit captureFailed(folder, problem);
}

QString CaptureThread::saveStill(const QString &frameFile, const QString &outputFile, const Task &task)
{
    QFile frame(frameFile);
    if (!frame.open(QIODevice::ReadOnly))
        return frame.errorString();
    QByteArray image = frame.readAll();
    if (image.isEmpty())
        return tr("ffmpeg wrote no image");
    if (task.gpsTags && StillGpsTags::applies(task.point)) {
        QString reason;
        image = StillGpsTags::tagged(image, task.point, &reason);
        if (image.isEmpty())
            return tr("the GPS tags could not be written: %1").arg(reason);
    }
    // Renamed over the empty file that holds the name only once written whole.
    QSaveFile still(outputFile);
    if (!still.open(QIODevice::WriteOnly) || still.write(image) != image.size() || !still.commit())
        return still.errorString();
    return {};
}

// Started with posix_spawn, below the program's priority: a fork of the
// whole player, even from this thread, would hold up the window's thread.
QString CaptureThread::runFfmpeg(const QStringList &arguments)
{
    LowPriorityProcess ffmpeg;
    if (!ffmpeg.start(ffmpegProgram, arguments))
        return tr("ffmpeg cannot be started: %1").arg(ffmpeg.errorString());
    QByteArray errors;
    int exitCode = -1;
    bool exited = false;
    QEventLoop loop;
    QObject::connect(&ffmpeg, &LowPriorityProcess::readyReadStandardError,
                     [&] { errors = (errors + ffmpeg.readAllStandardError()).right(keptErrorBytes); });
    QObject::connect(&ffmpeg, &LowPriorityProcess::finished, &loop, [&](int code, QProcess::ExitStatus status) {
        exitCode = code;
        exited = status == QProcess::NormalExit;
        loop.quit();
    });
    QElapsedTimer elapsed;
    elapsed.start();
    bool timedOut = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        timedOut = elapsed.hasExpired(captureTimeoutMs());
        if (mStopRequested || timedOut)
            loop.quit();
    });
    watch.start(ffmpegPollMs);
    loop.exec();
    if (ffmpeg.isRunning()) {
        // Leaving this function kills and reaps it.
        qDebug() << (timedOut ? "ffmpeg took too long, capture stopped" : "capture stopped");
        // A stopped worker reports nothing, so only the time limit needs words.
        return timedOut ? tr("ffmpeg took too long") : QStringLiteral("stopped");
    }
    if (!errors.isEmpty())
        qDebug().noquote() << "ffmpeg:" << QString::fromLocal8Bit(errors);
    if (exited && exitCode == 0)
        return {};
    const QString said = lastLine(errors);
    if (!said.isEmpty())
        return said;
    return tr("ffmpeg failed with exit status %1").arg(exitCode);
}
