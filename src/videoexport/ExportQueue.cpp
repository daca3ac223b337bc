#include "ExportQueue.h"

#include "ExportJob.h"

ExportQueue::ExportQueue(QObject *parent)
    : QObject(parent)
{
}

ExportQueue::~ExportQueue()
{
    mWaiting.clear();
    if (mCurrent) {
        mCurrent->disconnect(this);
        delete mCurrent;  // kills its ffmpeg and removes its temporary files
    }
}

void ExportQueue::enqueue(const ExportRequest &request)
{
    mWaiting.enqueue(request);
    if (!mCurrent)
        startNext();
    else
        emit queueChanged();
}

bool ExportQueue::isBusy() const
{
    return mCurrent || !mWaiting.isEmpty();
}

int ExportQueue::waitingCount() const
{
    return mWaiting.size();
}

void ExportQueue::cancelCurrent()
{
    if (mCurrent)
        mCurrent->cancel();
}

void ExportQueue::cancelAll()
{
    const bool hadWaiting = !mWaiting.isEmpty();
    mWaiting.clear();
    if (mCurrent)
        mCurrent->cancel();
    else if (hadWaiting)
        emit queueChanged();
}

void ExportQueue::startNext()
{
    if (mWaiting.isEmpty()) {
        emit queueChanged();
        return;
    }
    mCurrent = new ExportJob(mWaiting.dequeue(), this);
    connect(mCurrent, &ExportJob::progress, this, &ExportQueue::progress);
    connect(mCurrent, &ExportJob::finished, this, &ExportQueue::jobFinished);
    emit started(mCurrent->request().outputPath);
    emit queueChanged();
    mCurrent->start();
}

void ExportQueue::jobFinished(bool ok, const QString &message)
{
    ExportJob *job = mCurrent;
    mCurrent = nullptr;
    job->disconnect(this);
    job->deleteLater();
    emit finished(job->request().outputPath, ok, message);
    startNext();
}
