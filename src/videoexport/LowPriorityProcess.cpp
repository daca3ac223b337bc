#include "LowPriorityProcess.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int lowerBy = 10;
constexpr int lowestPriority = 19;
// Output nobody has read yet is kept up to this much, the newest part.
constexpr int maxBuffered = 4 * 1024 * 1024;
constexpr int exitPollMs = 20;
constexpr int maxChunksPerRead = 16;

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Spawn attributes and file actions, released however start() ends.
struct SpawnSetup
{
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;

    SpawnSetup(int outputFd, int errorsFd, const QByteArray &directory)
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, outputFd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, errorsFd, STDERR_FILENO);
        if (!directory.isEmpty())
            posix_spawn_file_actions_addchdir_np(&actions, directory.constData());
        // The program starts with no signal blocked or ignored, whatever
        // the player's threads did to theirs.
        posix_spawnattr_init(&attributes);
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSetup()
    {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    SpawnSetup(const SpawnSetup &) = delete;
    SpawnSetup &operator=(const SpawnSetup &) = delete;
};

} // namespace

LowPriorityProcess::LowPriorityProcess(QObject *parent) : QObject(parent)
{
}

LowPriorityProcess::~LowPriorityProcess()
{
    if (mPid > 0) {
        ::kill(mPid, SIGKILL);
        pid_t done;
        do
            done = ::waitpid(mPid, nullptr, 0);
        while (done < 0 && errno == EINTR);
    }
    closeFd(mExitFd);
    closeFd(mOutput.fd);
    closeFd(mErrors.fd);
}

void LowPriorityProcess::setWorkingDirectory(const QString &directory)
{
    mWorkingDirectory = directory;
}

bool LowPriorityProcess::isRunning() const
{
    return mPid > 0;
}

qint64 LowPriorityProcess::processId() const
{
    return mPid;
}

QString LowPriorityProcess::errorString() const
{
    return mErrorString;
}

bool LowPriorityProcess::start(const QString &program, const QStringList &arguments)
{
    if (mPid > 0) {
        // A caller's mistake, never the user's: one object runs one program.
        mErrorString = QString::fromLocal8Bit(std::strerror(EBUSY));
        return false;
    }
    int output[2], errors[2];
    if (::pipe2(output, O_CLOEXEC) != 0) {
        mErrorString = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (::pipe2(errors, O_CLOEXEC) != 0) {
        mErrorString = QString::fromLocal8Bit(std::strerror(errno));
        ::close(output[0]);
        ::close(output[1]);
        return false;
    }
    QByteArrayList words{QFile::encodeName(program)};
    for (const QString &argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const SpawnSetup setup(output[1], errors[1], QFile::encodeName(mWorkingDirectory));
    pid_t pid = 0;
    const int failure = ::posix_spawnp(&pid, argv[0], &setup.actions, &setup.attributes, argv.data(), environ);
    ::close(output[1]);
    ::close(errors[1]);
    if (failure != 0) {
        mErrorString = QString::fromLocal8Bit(std::strerror(failure));
        ::close(output[0]);
        ::close(errors[0]);
        return false;
    }
    mPid = pid;
    lowerPriority();
    mOutput = Channel{output[0], nullptr, QByteArray()};
    mErrors = Channel{errors[0], nullptr, QByteArray()};
    for (Channel *channel : {&mOutput, &mErrors}) {
        ::fcntl(channel->fd, F_SETFL, ::fcntl(channel->fd, F_GETFL) | O_NONBLOCK);
        channel->notifier = new QSocketNotifier(channel->fd, QSocketNotifier::Read, this);
    }
    connect(mOutput.notifier, &QSocketNotifier::activated, this,
            [this] { readChannel(mOutput, &LowPriorityProcess::readyReadStandardOutput); });
    connect(mErrors.notifier, &QSocketNotifier::activated, this,
            [this] { readChannel(mErrors, &LowPriorityProcess::readyReadStandardError); });
    watchExit();
    return true;
}

// The child runs its first milliseconds at the program's level: posix_spawn
// has no priority attribute, and lowering it from here needs no code in the
// child. A failure leaves it where it was, which is harmless.
void LowPriorityProcess::lowerPriority() const
{
    errno = 0;
    const int own = ::getpriority(PRIO_PROCESS, 0);
    if (errno == 0)
        ::setpriority(PRIO_PROCESS, id_t(mPid), qMin(own + lowerBy, lowestPriority));
}

// A pidfd becomes readable when the child ends; kernels without one are
// asked a few times a second instead.
void LowPriorityProcess::watchExit()
{
    // Through syscall(): Debian 12's <sys/pidfd.h> lacks C linkage for C++.
    mExitFd = int(::syscall(SYS_pidfd_open, mPid, 0));
    if (mExitFd >= 0) {
        mExitNotifier = new QSocketNotifier(mExitFd, QSocketNotifier::Read, this);
        connect(mExitNotifier, &QSocketNotifier::activated, this, [this] { reap(); });
        return;
    }
    mExitPoll = new QTimer(this);
    connect(mExitPoll, &QTimer::timeout, this, [this] { reap(); });
    mExitPoll->start(exitPollMs);
}

void LowPriorityProcess::readChannel(Channel &channel, void (LowPriorityProcess::*signal)())
{
    bool read = false;
    char chunk[65536];
    // A program that writes faster than this reads gets its turn again
    // with the notifier's next call, so the event loop is never held here.
    for (int chunks = 0; channel.fd >= 0 && chunks < maxChunksPerRead; ++chunks) {
        const ssize_t count = ::read(channel.fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0 || errno != EAGAIN)
                closeChannel(channel);  // the program closed it, or it broke
            break;
        }
        channel.buffer.append(chunk, int(count));
        read = true;
    }
    if (channel.buffer.size() > maxBuffered)
        channel.buffer = channel.buffer.right(maxBuffered);
    if (read)
        emit(this->*signal)();
}

// Notifiers may be the sender of the signal being handled: they go later.
void LowPriorityProcess::closeChannel(Channel &channel)
{
    if (channel.notifier) {
        channel.notifier->setEnabled(false);
        channel.notifier->deleteLater();
        channel.notifier = nullptr;
    }
    closeFd(channel.fd);
}

void LowPriorityProcess::kill()
{
    if (mPid > 0)
        ::kill(mPid, SIGKILL);
}

// Once the child has ended: what it wrote last is read, then finished().
void LowPriorityProcess::reap()
{
    int status = 0;
    pid_t done;
    do
        done = ::waitpid(mPid, &status, WNOHANG);
    while (done < 0 && errno == EINTR);
    if (done == 0)
        return;
    mPid = 0;
    if (mExitNotifier) {
        mExitNotifier->setEnabled(false);
        mExitNotifier->deleteLater();
        mExitNotifier = nullptr;
    }
    if (mExitPoll) {
        mExitPoll->stop();
        mExitPoll->deleteLater();
        mExitPoll = nullptr;
    }
    closeFd(mExitFd);
    readChannel(mOutput, &LowPriorityProcess::readyReadStandardOutput);
    readChannel(mErrors, &LowPriorityProcess::readyReadStandardError);
    closeChannel(mOutput);
    closeChannel(mErrors);
    // Reaped by someone else (done < 0): nothing is known of its end.
    const bool normal = done > 0 && WIFEXITED(status);
    emit finished(normal ? WEXITSTATUS(status) : -1, normal ? QProcess::NormalExit : QProcess::CrashExit);
}

QByteArray LowPriorityProcess::readAllStandardOutput()
{
    return std::exchange(mOutput.buffer, QByteArray());
}

QByteArray LowPriorityProcess::readAllStandardError()
{
    return std::exchange(mErrors.buffer, QByteArray());
}
