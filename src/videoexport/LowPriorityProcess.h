#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class QSocketNotifier;
class QTimer;

// A program run below the program's own priority, with its standard input
// empty and its output and errors read as they come.
//
// Why not QProcess: Qt 5 starts a process by forking the whole player, a few
// hundred megabytes with the web engine. Copying its page tables, the
// copy-on-write faults that follow and tearing the copy down at exec cost
// the window's thread tens of milliseconds on a busy machine. posix_spawn
// runs the child on the player's memory until its exec instead, so nothing
// is copied.
//
// Why below the program: an encoder keeps every core busy; at the same
// priority it takes turns with the window's thread, which then cannot
// repaint or react for a tenth of a second at a time.
class LowPriorityProcess : public QObject
{
    Q_OBJECT
public:
    explicit LowPriorityProcess(QObject *parent = nullptr);
    ~LowPriorityProcess() override;  // kills a running program and reaps it

    void setWorkingDirectory(const QString &directory);
    // Looks the program up on PATH. False, with errorString(), when it
    // cannot be started; otherwise finished() follows.
    bool start(const QString &program, const QStringList &arguments);
    bool isRunning() const;
    qint64 processId() const;
    // Ends it at once; finished() follows with QProcess::CrashExit.
    void kill();

    QByteArray readAllStandardOutput();
    QByteArray readAllStandardError();
    QString errorString() const;

signals:
    void readyReadStandardOutput();
    void readyReadStandardError();
    // Everything the program wrote has been read by then.
    void finished(int exitCode, QProcess::ExitStatus status);

private:
    struct Channel
    {
        int fd = -1;
        QSocketNotifier *notifier = nullptr;
        QByteArray buffer;
    };

    void watchExit();
    void readChannel(Channel &channel, void (LowPriorityProcess::*signal)());
    void closeChannel(Channel &channel);
    void reap();
    void lowerPriority() const;

    QString mWorkingDirectory;
    QString mErrorString;
    pid_t mPid = 0;
    int mExitFd = -1;  // a pidfd: readable once the program has ended
    QSocketNotifier *mExitNotifier = nullptr;
    QTimer *mExitPoll = nullptr;  // where the kernel has no pidfd
    Channel mOutput;
    Channel mErrors;
};
