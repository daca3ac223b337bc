#pragma once

#include <QIODevice>

class QFileDevice;

// Passes every write on to the exporter's output and remembers the first one
// that did not go through (a full disk, a pipe whose reader is gone), so that
// a lost output is never reported as a finished export. The XML writers only
// keep a sticky flag of their own; here every format is checked alike.
class CheckedOutput : public QIODevice
{
public:
    explicit CheckedOutput(QIODevice &target);

    // Pushes out what the target still buffers; false once anything written
    // so far, or the push itself, failed.
    bool finish();
    bool failed() const { return !mFailure.isEmpty(); }
    // Why the output was lost, in the system's words.
    QString failure() const { return mFailure; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void noteFailure();

    QIODevice &mTarget;
    QFileDevice *mFile; // the target when it is a file, whose errors show late
    QString mFailure;
};
