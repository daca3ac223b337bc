#include "LowPriorityProcess.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

constexpr int endTimeoutMs = 10000;

struct Ending
{
    int exitCode = -2;
    QProcess::ExitStatus status = QProcess::NormalExit;
    QByteArray output, errors;
};

// Runs the process to its end, collecting what it wrote as it came.
Ending runToEnd(LowPriorityProcess &process)
{
    Ending ending;
    QObject::connect(&process, &LowPriorityProcess::readyReadStandardOutput,
                     [&] { ending.output += process.readAllStandardOutput(); });
    QObject::connect(&process, &LowPriorityProcess::readyReadStandardError,
                     [&] { ending.errors += process.readAllStandardError(); });
    QSignalSpy finished(&process, &LowPriorityProcess::finished);
    if (finished.wait(endTimeoutMs)) {
        ending.exitCode = finished.first().at(0).toInt();
        ending.status = finished.first().at(1).value<QProcess::ExitStatus>();
    }
    return ending;
}

} // namespace

class TestLowPriorityProcess : public QObject
{
    Q_OBJECT
private slots:
    // Output larger than a pipe holds, errors, the exit status and the folder
    // the program runs in; nothing is read from the program's standard input.
    void outputErrorsAndExitCode()
    {
        QTemporaryDir folder;
        LowPriorityProcess process;
        process.setWorkingDirectory(folder.path());
        QVERIFY(process.start("sh", {"-c", "pwd; head -c 300000 /dev/zero; cat; echo oops >&2; exit 3"}));
        const Ending ending = runToEnd(process);
        QCOMPARE(ending.exitCode, 3);
        QCOMPARE(ending.status, QProcess::NormalExit);
        QVERIFY(ending.output.startsWith(QFile::encodeName(folder.path()) + '\n'));
        QCOMPARE(ending.output.size(), folder.path().toUtf8().size() + 1 + 300000);
        QCOMPARE(ending.errors, QByteArray("oops\n"));
        QVERIFY(!process.isRunning());
    }

    void runsBelowTheProgramAndKills()
    {
        LowPriorityProcess process;
        QVERIFY(process.start("sleep", {"30"}));
        errno = 0;
        const int own = getpriority(PRIO_PROCESS, 0);
        QCOMPARE(getpriority(PRIO_PROCESS, id_t(process.processId())), qMin(own + 10, 19));
        process.kill();
        const Ending ending = runToEnd(process);
        QCOMPARE(ending.status, QProcess::CrashExit);
    }

    void missingProgramSaysWhy()
    {
        LowPriorityProcess process;
        QVERIFY(!process.start("/nonexistent/ffmpeg", {}));
        QVERIFY(process.errorString().contains("No such file"));
        QVERIFY(!process.isRunning());
    }

    void destroyedWhileRunningLeavesNoChild()
    {
        pid_t pid = 0;
        {
            LowPriorityProcess process;
            QVERIFY(process.start("sleep", {"30"}));
            pid = pid_t(process.processId());
        }
        // Killed and reaped: no process and no zombie is left under its number.
        QCOMPARE(waitpid(pid, nullptr, WNOHANG), -1);
        QCOMPARE(errno, ECHILD);
        QCOMPARE(kill(pid, 0), -1);
    }
};

QTEST_GUILESS_MAIN(TestLowPriorityProcess)
#include "tst_lowpriorityprocess.moc"
