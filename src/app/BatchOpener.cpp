#include "BatchOpener.h"

#include "PlaylistModel.h"

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
    // Earlier files keep their place ahead of this batch.
    while (!mPendingFiles.isEmpty())
        addPendingFiles();
    // A file already listed keeps its row, so the batch's rows need not be
    // the last ones: the first file's own row is the one to play.
    mPendingPlayRow = mModel->addFile(urls.first());
    mPendingFiles = urls.mid(1);
    mArranged = false;
    addPendingFiles();
    mTurns.start();
}

void BatchOpener::continueOpening()
{
    if (!mPendingFiles.isEmpty()) {
        addPendingFiles();
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
    while (!mPendingFiles.isEmpty() && turn.elapsed() < addingTurnMs)
        mModel->addFile(mPendingFiles.takeFirst());
    if (mPendingFiles.isEmpty())
        qDebug() << "all file count:" << mModel->rowCount();
}
