#include "CheckedOutput.h"

#include <QFileDevice>

CheckedOutput::CheckedOutput(QIODevice &target)
    : mTarget(target)
    , mFile(qobject_cast<QFileDevice *>(&target))
{
    // Unbuffered: the target buffers already, and its errors must show here.
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool CheckedOutput::finish()
{
    if (mFile && !failed() && !mFile->flush())
        noteFailure();
    return !failed();
}

qint64 CheckedOutput::readData(char *, qint64)
{
    return -1;
}

qint64 CheckedOutput::writeData(const char *data, qint64 size)
{
    if (failed())
        return -1;
    const qint64 written = mTarget.write(data, size);
    // A buffered file takes the bytes and fails later, when it writes out
    // its buffer; its error stays set.
    if (written != size || (mFile && mFile->error() != QFileDevice::NoError)) {
        noteFailure();
        return -1;
    }
    return written;
}

void CheckedOutput::noteFailure()
{
    if (mFailure.isEmpty()) {
        const QString reason = mTarget.errorString();
        mFailure = reason.isEmpty() ? QStringLiteral("write error") : reason;
    }
}
