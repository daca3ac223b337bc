#pragma once

#include "ExportRequest.h"

#include <QObject>
#include <QQueue>

class ExportJob;

// Exports one at a time: a request made while one runs waits its turn.
class ExportQueue : public QObject
{
    Q_OBJECT
public:
    explicit ExportQueue(QObject *parent = nullptr);
    ~ExportQueue() override;  // cancels everything

    void enqueue(const ExportRequest &request);
    bool isBusy() const;  // running or waiting
    int waitingCount() const;
    void cancelCurrent();
    void cancelAll();  // used when the window closes

signals:
    void started(const QString &outputPath);
    void progress(double fraction, int secondsLeft);
    void finished(const QString &outputPath, bool ok, const QString &message);
    void queueChanged();  // waitingCount or busy state changed

private:
    void startNext();
    void jobFinished(bool ok, const QString &message);

    QQueue<ExportRequest> mWaiting;
    ExportJob *mCurrent = nullptr;
};
