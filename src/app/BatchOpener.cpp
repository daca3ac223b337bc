#include "BatchOpener.h"

#include "PlaylistModel.h"
#include "VideoFile.h"

#include <QDebug>
#include <QElapsedTimer>

#include <utility>

namespace {

// How long one event-loop turn may spend adding files of a large batch.
constexpr qint64 addingTurnMs = 10;

} // namespace

BatchOpener::BatchOpener(PlaylistModel *model, QObject *parent)
    : QObject(parent), mModel(model)
{
    mTurns.setInterval(0);
    connect(&mTurns, &QTimer::timeout, this, &BatchOpener::continueOpening);
}

void BatchOpener::open(const QList<QUrl> &urls)
{
    if (urls.isEmpty())
        return;
    // Earlier files keep their place ahead of this batch.
    while (!mPendingFiles.isEmpty())
        addPendingFiles();
    mPendingPlayRow = -1;
    mPendingFiles = urls;
    mArranged = false;
    addPendingFiles();
    mTurns.start();
}

// A named pipe would block the worker's open and the media framework's, and
// a row the user cannot play helps no one: such files are refused here, with
// their reason, whichever way they came. The URL is rebuilt from the file's
// own bytes, so that a name that is not UTF-8 still reaches the file.
int BatchOpener::addIfOpenable(const QUrl &url)
{
    const QString path = VideoFile::localPath(url);
    const QString reason = VideoFile::checkOpenable(path);
    if (reason.isEmpty())
        return mModel->addFile(VideoFile::fileUrl(path));
    emit fileRefused(path.isEmpty() ? url.toDisplayString() : path, reason);
    return -1;
}

void BatchOpener::continueOpening()
{
    if (!mPendingFiles.isEmpty()) {
        addPendingFiles();
    } else if (mPendingPlayRow < 0) {
        mTurns.stop();  // every file of the batch was refused
    } else if (!mArranged) {
        mArranged = true;
        emit arrangeFor(mPendingPlayRow);
    } else {
        mTurns.stop();
        emit playRow(std::exchange(mPendingPlayRow, -1));
    }
}

void BatchOpener::addPendingFiles()
{
    QElapsedTimer turn;
    turn.start();
    // Checking a file may wait for its disk: that counts into the turn too.
    while (!mPendingFiles.isEmpty() && turn.elapsed() < addingTurnMs) {
        const int row = addIfOpenable(mPendingFiles.takeFirst());
        // A file already listed keeps its row, so the batch's rows need not
        // be the last ones: the first listed file's own row is the one to play.
        if (mPendingPlayRow < 0)
            mPendingPlayRow = row;
    }
    if (mPendingFiles.isEmpty())
        qDebug() << "all file count:" << mModel->rowCount();
}
