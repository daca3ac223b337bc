#include "ExportJob.h"

#include "ExportCommand.h"
#include "ExportTexts.h"
#include "LowPriorityProcess.h"
#include "StaleTemporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

QString gFfmpegProgram = QStringLiteral("ffmpeg");
QString gFfprobeProgram = QStringLiteral("ffprobe");

// Only the end of ffmpeg's error output is kept: its last lines say why.
constexpr int keptErrorBytes = 8192;
constexpr int shownErrorLines = 4;
// Below this much free space a failed write is taken for a full disk.
constexpr qint64 nearlyFull = 1024 * 1024;

QStringList lastLines(const QByteArray &bytes, int count)
{
    QStringList lines = QString::fromLocal8Bit(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.mid(qMax(0, lines.size() - count));
}

} // namespace

ExportJob::ExportJob(ExportRequest request, QObject *parent)
    : QObject(parent), mRequest(std::move(request)), mProgress(mRequest.durationSeconds())
{
}

ExportJob::~ExportJob()
{
    // The writer stops at its next point; nothing it uses goes before it.
    stopWriter();
    if (mWriter)
        mWriter->wait();
    if (mProcess) {
        mProcess->disconnect(this);
        delete mProcess;  // kills ffmpeg and waits for its end
    }
    removeTemporaries();
}

const ExportRequest &ExportJob::request() const
{
    return mRequest;
}

void ExportJob::setFfmpegProgram(const QString &program)
{
    gFfmpegProgram = program;
}

void ExportJob::setFfprobeProgram(const QString &program)
{
    gFfprobeProgram = program;
}

bool ExportJob::isRunning() const
{
    return mRunning;
}

QString ExportJob::folder() const
{
    return QFileInfo(mRequest.outputPath).absolutePath();
}

void ExportJob::start()
{
    if (mRunning)
        return;
    mRunning = true;
    mClock.start();
    mOutputs.clear();
    QString temporary;
    QString problem = mRequest.durationSeconds() > 0 ? createTemporary(mRequest.outputPath, QStringLiteral("mp4"), temporary)
                                                     : tr("Nothing to export: the range is empty.");
    if (!problem.isEmpty()) {
        failLater(problem);
        return;
    }
    mHasAudio.clear();
    mVideoSeconds.clear();
    mFrameSize = QSize();
    probeNext();
}

void ExportJob::cancel()
{
    if (!mRunning)
        return;
    stopProcess();
    stopWriter();
    removeTemporaries();
    finish(false, tr("Cancelled"));
}

// Temporary files for the .gpx, .srt and overlay script of the fitted range,
// and a thread that writes them; the first that cannot be made says why.
QString ExportJob::startWriter()
{
    if (mRequest.clips.isEmpty())
        return tr("Nothing to export: the range is empty.");
    ExportTexts::Paths paths;
    QString problem = createTemporary(mRequest.gpxPath(), QStringLiteral("gpx"), paths.gpx);
    if (problem.isEmpty())
        problem = createTemporary(mRequest.srtPath(), QStringLiteral("srt"), paths.srt);
    if (problem.isEmpty() && mRequest.overlay && !mRequest.isStreamCopy()) {
        problem = createTemporary(QString(), QStringLiteral("ass"), paths.overlay);
        mOverlayFile = paths.overlay;
    }
    if (!problem.isEmpty())
        return problem;
    // The request and the paths are copied into the thread, and its verdict
    // comes back through a value that the thread alone writes until it ends.
    auto cancelled = std::make_shared<std::atomic_bool>(false);
    auto verdict = std::make_shared<QString>();
    mWriterCancelled = cancelled;
    // A killed export's leftovers are cleared here too, off the GUI thread:
    // a folder of stills can be long to list. Ours are too new to go.
    mWriter = QThread::create([request = mRequest, paths, cancelled, verdict, folder = folder()] {
        StaleTemporaries::remove(folder, QStringLiteral(".vantrel-export-*"));
        *verdict = ExportTexts::write(request, paths, *cancelled);
    });
    mWriter->setParent(this);
    connect(mWriter, &QThread::finished, this, [this, verdict] { textsWritten(*verdict); });
    mWriter->start(QThread::LowPriority);
    return QString();
}

// Each clip's share ends where its main picture does. A camera's track may
// run a second or two past its video: read past the picture's end, a share
// would still get its full length of sound, so the joined video would be
// longer than the stretch and every text after that clip late.
void ExportJob::fitToVideos()
{
    QVector<ExportClip> clips;
    QVector<bool> hasAudio;
    for (int i = 0; i < mRequest.clips.size(); ++i) {
        ExportClip clip = mRequest.clips[i];
        const double seconds = mVideoSeconds.value(i);
        // A picture a frame short of a whole second still has that second.
        if (seconds > 0)
            clip.toSecond = int(qMin<double>(clip.toSecond, std::floor(seconds + 0.1)));
        if (clip.durationSeconds() > 0) {
            clips << clip;
            hasAudio << mHasAudio.value(i, true);
        }
    }
    mRequest.clips = clips;
    mHasAudio = hasAudio;
    mProgress = FfmpegProgress(mRequest.durationSeconds());
}

QString ExportJob::createTemporary(const QString &finalPath, const QString &suffix, QString &temporary)
{
    // A plain name in the target folder: same file system for the rename,
    // and nothing in it that a filter graph would read as syntax. Made
    // as any new file is here (not private, as a QTemporaryFile is), since
    // it becomes the user's file under its final name.
    QFile file;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const quint32 tag = QRandomGenerator::global()->generate();
        file.setFileName(QDir(folder()).filePath(
            QStringLiteral(".vantrel-export-%1.%2").arg(tag, 8, 16, QLatin1Char('0')).arg(suffix)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !file.exists())
            break;
    }
    if (!file.isOpen()) {
        if (!QFileInfo(folder()).isDir())
            return tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder()));
        return tr("The folder %1 cannot be written: %2")
            .arg(QDir::toNativeSeparators(folder()), writeFailure(file.errorString()));
    }
    file.close();
    temporary = file.fileName();
    mOutputs.append({temporary, finalPath});
    return QString();
}

// Which main files have sound, how long their picture runs, and the first
// one's picture size, one ffprobe run each, before anything is written: the
// graph must name only streams that exist and join pictures of one size,
// and the shares must end with their pictures.
void ExportJob::probeNext()
{
    const int index = mHasAudio.size();
    if (index >= mRequest.clips.size()) {
        filesProbed();
        return;
    }
    mProcess = new LowPriorityProcess(this);
    connect(mProcess, &LowPriorityProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        probeFinished(status == QProcess::NormalExit && exitCode == 0);
    });
    const bool started = mProcess->start(
        gFfprobeProgram, {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                          QStringLiteral("stream=codec_type,width,height,duration"), QStringLiteral("-of"),
                          QStringLiteral("csv=p=0"), QStringLiteral("-i"), mRequest.clips[index].mainPath});
    // From the event loop, as a probe that ran would end: start() never
    // reports the export's end inside itself.
    if (!started)
        QMetaObject::invokeMethod(this, [this] { probeFinished(false); }, Qt::QueuedConnection);
}

void ExportJob::probeFinished(bool ran)
{
    if (!mProcess)
        return;  // cancelled meanwhile
    LowPriorityProcess *probe = std::exchange(mProcess, nullptr);
    probe->disconnect(this);
    // Without a verdict the file is taken to have sound; ffmpeg then says
    // what is wrong with it.
    bool hasAudio = !ran;
    double videoSeconds = 0;
    bool video = false;
    if (ran) {
        // "video,1280,720,60.000000" and "audio,60.000000" lines; the
        // first picture stream is the one exported.
        for (const QByteArray &line : probe->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.trimmed().split(',');
            if (fields[0] == "audio")
                hasAudio = true;
            if (fields[0] != "video" || fields.size() < 4 || video)
                continue;
            video = true;
            videoSeconds = fields[3].toDouble();  // "N/A": not known
            if (mHasAudio.isEmpty())
                mFrameSize = QSize(fields[1].toInt(), fields[2].toInt());
        }
    }
    mHasAudio.append(hasAudio);
    mVideoSeconds.append(videoSeconds);
    probe->deleteLater();
    probeNext();
}

void ExportJob::filesProbed()
{
    fitToVideos();
    const QString problem = startWriter();
    if (!problem.isEmpty()) {
        removeTemporaries();
        finish(false, problem);
    }
}

void ExportJob::textsWritten(const QString &problem)
{
    mWriter->deleteLater();
    mWriter = nullptr;
    mWriterCancelled.reset();
    if (!mRunning)
        return;  // cancelled meanwhile; its files are gone already
    if (!problem.isEmpty()) {
        removeTemporaries();
        finish(false, writeFailure(problem));
        return;
    }
    runFfmpeg();
}

void ExportJob::stopWriter()
{
    if (mWriterCancelled)
        mWriterCancelled->store(true);
}

void ExportJob::runFfmpeg()
{
    ExportCommand::Inputs inputs;
    inputs.outputFile = mOutputs.first().temporary;
    inputs.overlayFile = QFileInfo(mOverlayFile).fileName();
    inputs.mainHasAudio = mHasAudio;
    inputs.frameSize = mFrameSize;
    mProcess = new LowPriorityProcess(this);
    mProcess->setWorkingDirectory(folder());  // the overlay is named relative to it
    connect(mProcess, &LowPriorityProcess::readyReadStandardOutput, this, &ExportJob::readProgress);
    connect(mProcess, &LowPriorityProcess::readyReadStandardError, this, &ExportJob::readErrors);
    connect(mProcess, &LowPriorityProcess::finished, this, &ExportJob::ffmpegFinished);
    mErrors.clear();
    if (mProcess->start(gFfmpegProgram, ExportCommand::arguments(mRequest, inputs)))
        return;
    const QString reason = mProcess->errorString();
    stopProcess();
    removeTemporaries();
    finish(false, tr("ffmpeg cannot be started (%1). Install ffmpeg to export videos.").arg(reason));
}

void ExportJob::readProgress()
{
    if (!mProgress.feed(mProcess->readAllStandardOutput()))
        return;
    const double fraction = mProgress.fraction();
    int secondsLeft = -1;
    if (fraction >= 0.01 && fraction < 1.0)
        secondsLeft = qRound(mClock.elapsed() / 1000.0 * (1.0 - fraction) / fraction);
    else if (fraction >= 1.0)
        secondsLeft = 0;
    emit progress(fraction, secondsLeft);
}

void ExportJob::readErrors()
{
    mErrors = (mErrors + mProcess->readAllStandardError()).right(keptErrorBytes);
}

void ExportJob::ffmpegFinished(int exitCode, QProcess::ExitStatus status)
{
    readErrors();
    readProgress();
    mProcess->disconnect(this);
    mProcess->deleteLater();
    mProcess = nullptr;
    if (status != QProcess::NormalExit || exitCode != 0) {
        removeTemporaries();
        finish(false, status == QProcess::NormalExit ? ffmpegFailure(exitCode)
                                                     : tr("ffmpeg stopped unexpectedly: %1")
                                                           .arg(QLatin1Char('\n') + lastLines(mErrors, shownErrorLines).join('\n')));
        return;
    }
    const QString problem = commitOutputs();
    if (!problem.isEmpty()) {
        removeTemporaries();
        finish(false, problem);
        return;
    }
    finish(true, QString());
}

QString ExportJob::ffmpegFailure(int exitCode) const
{
    if (mErrors.contains("No space left on device") || mErrors.contains("ENOSPC"))
        return tr("The disk is full: %1").arg(QDir::toNativeSeparators(folder()));
    const QStringList lines = lastLines(mErrors, shownErrorLines);
    return tr("ffmpeg failed (exit status %1): %2").arg(exitCode).arg(QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
}

QString ExportJob::writeFailure(const QString &detail) const
{
    const QStorageInfo storage(folder());
    if (detail.contains(QLatin1String("No space left")) || (storage.isValid() && storage.bytesAvailable() < nearlyFull))
        return tr("The disk is full: %1").arg(QDir::toNativeSeparators(folder()));
    return detail;
}

// Every temporary file under its final name, the video last; a rename that
// fails takes the ones already made back with it.
QString ExportJob::commitOutputs()
{
    QStringList made;
    for (int i = mOutputs.size() - 1; i >= 0; --i) {
        const Output &output = mOutputs[i];
        if (output.final.isEmpty())
            continue;
        // rename(2) replaces an existing file in one step.
        if (std::rename(QFile::encodeName(output.temporary).constData(), QFile::encodeName(output.final).constData())
            != 0) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            for (const QString &path : made)
                QFile::remove(path);
            return tr("Cannot name the file %1: %2").arg(QDir::toNativeSeparators(output.final), reason);
        }
        made << output.final;
    }
    for (const Output &output : mOutputs) {
        if (output.final.isEmpty())
            QFile::remove(output.temporary);
    }
    mOutputs.clear();
    return QString();
}

void ExportJob::removeTemporaries()
{
    for (const Output &output : mOutputs)
        QFile::remove(output.temporary);
    mOutputs.clear();
    mOverlayFile.clear();
}

// Kills a running process without waiting for it on the GUI thread; it is
// reaped and deleted when it ends. Only the destructor waits.
void ExportJob::stopProcess()
{
    if (!mProcess)
        return;
    LowPriorityProcess *process = std::exchange(mProcess, nullptr);
    process->disconnect(this);
    if (!process->isRunning()) {
        process->deleteLater();
        return;
    }
    process->kill();
    process->setParent(nullptr);
    connect(process, &LowPriorityProcess::finished, process, &QObject::deleteLater);
}

void ExportJob::finish(bool ok, const QString &message)
{
    mRunning = false;
    emit finished(ok, message);
}

void ExportJob::failLater(const QString &message)
{
    // Reported from the event loop, as every other ending is, so that a
    // caller of start() never sees finished() inside it.
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (mRunning)
                finish(false, message);
        },
        Qt::QueuedConnection);
}
