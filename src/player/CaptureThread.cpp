#include "CaptureThread.h"

#include "Configuration.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTime>
#include <QUrl>

namespace {

std::atomic<int> captureTimeout{CaptureThread::defaultCaptureTimeoutMs};

// How often a waiting run looks at the stop request and the time limit.
constexpr int ffmpegPollMs = 100;

const QString ffmpegProgram = QStringLiteral("ffmpeg");

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

void CaptureThread::addTask(const QString &file, qint64 position)
{
    QMutexLocker locker(&mMutex);
    qDebug() << "addTask" << file;
    if (file != mVideoFile) {
        qDebug() << "capture video file changed, clear all task" << mVideoFile << file;
        mTasks.clear();
    }
    mVideoFile = file;
    mTasks.enqueue(position);
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
                                      const QString &timeStr)
{
    return QStringLiteral("%1/ScreenShot_%2__%3.jpeg")
        .arg(folder, QFileInfo(videoFile).baseName(), timeStr);
}

QString CaptureThread::localInputPath(const QString &urlPath)
{
    return QUrl::fromLocalFile(urlPath).toLocalFile();
}

QStringList CaptureThread::ffmpegArguments(const QString &startTime, const QString &inputFile,
                                           const QString &outputFile)
{
    // -ss before -i seeks the input before decoding; one second at one frame
    // per second gives exactly one image, at the best JPEG quality.
    return {QStringLiteral("-ss"), startTime, QStringLiteral("-i"), inputFile,
            QStringLiteral("-t"), QStringLiteral("1"), QStringLiteral("-r"), QStringLiteral("1"),
            QStringLiteral("-q:v"), QStringLiteral("2"), QStringLiteral("-f"), QStringLiteral("image2"),
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
    // Read once per run: a folder changed in the settings applies to the next run.
    const QString folder = Configuration::instance()->screenshotSavePath();
    if (!QDir().mkpath(folder)) {
        qDebug() << "mkpath error, capture failed";
        // The waiting requests cannot be captured either; keeping them
        // would only make the widget start this run again.
        dropTasks();
        return;
    }
    QString file;
    qint64 position = 0;
    while (!mStopRequested && takeTask(&file, &position))
        capture(folder, file, position);
    qDebug() << "Capture task finished, exit thread";
    qDebug() << "end run";
}

bool CaptureThread::takeTask(QString *file, qint64 *position)
{
    QMutexLocker locker(&mMutex);
    if (mTasks.isEmpty())
        return false;
    *file = mVideoFile;
    *position = mTasks.dequeue();
    return true;
}

void CaptureThread::dropTasks()
{
    QMutexLocker locker(&mMutex);
    mTasks.clear();
}

void CaptureThread::capture(const QString &folder, const QString &file, qint64 position)
{
    const QString timeStr = QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-hhmmss_zzz"));
    qDebug() << "start capture, timeStr" << timeStr;
    const QString outputFile = outputFilePath(folder, file, timeStr);
    const QStringList arguments = ffmpegArguments(startTimeText(position), localInputPath(file), outputFile);
    qDebug().noquote() << "captureCmd:" << displayCommand(ffmpegProgram, arguments);
    if (!runFfmpeg(arguments))
        QFile::remove(outputFile); // a killed run may have left half an image
}

bool CaptureThread::runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
    // No terminal to answer questions (such as overwriting a file) from.
    ffmpeg.setStandardInputFile(QProcess::nullDevice());
    ffmpeg.start(ffmpegProgram, arguments);
    if (!ffmpeg.waitForStarted())
        return true; // nothing runs, so nothing to stop
    QElapsedTimer elapsed;
    elapsed.start();
    while (!ffmpeg.waitForFinished(ffmpegPollMs)) {
        if (ffmpeg.state() == QProcess::NotRunning)
            return true;
        const bool timedOut = elapsed.hasExpired(captureTimeoutMs());
        if (mStopRequested || timedOut) {
            qDebug() << (timedOut ? "ffmpeg took too long, capture stopped" : "capture stopped");
            ffmpeg.kill();
            ffmpeg.waitForFinished();
            return false;
        }
    }
    return true;
}
