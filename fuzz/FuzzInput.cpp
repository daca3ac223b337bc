#include "FuzzInput.h"

#include <sys/mman.h>
#include <unistd.h>

FuzzInput::FuzzInput()
    : mFd(memfd_create("vantrel-fuzz-input", MFD_CLOEXEC))
{
    if (mFd >= 0)
        mPath = QStringLiteral("/proc/self/fd/%1").arg(mFd);
}

FuzzInput::~FuzzInput()
{
    if (mFd >= 0)
        close(mFd);
}

bool FuzzInput::store(const std::uint8_t *data, std::size_t size)
{
    if (mFd < 0 || ftruncate(mFd, 0) != 0)
        return false;
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = pwrite(mFd, data + written, size - written,
                                 static_cast<off_t>(written));
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}
