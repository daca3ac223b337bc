#include <QLocalSocket>
#include <QtTest>

namespace {

const QString demoFile1 = QStringLiteral(VANTREL_DEMO_DIR "/20261206_101500F.MP4");
const QString demoFile2 = QStringLiteral(VANTREL_DEMO_DIR "/20261206_101600F.MP4");

// A copy of the real command and player in a folder of its own (where it writes its
// configuration file), with its own runtime folder for the socket of the
// window that is open.
struct Sandbox
{
    QTemporaryDir folder;
    QString program() const { return folder.filePath(QStringLiteral("vantrel")); }
    QString runtime() const { return folder.filePath(QStringLiteral("runtime")); }
    bool make() const
    {
        return QFile::copy(QStringLiteral(VANTREL_PROGRAM), program())
            && QFile::copy(QStringLiteral(VANTREL_PLAYER), folder.filePath(QStringLiteral("vantrel-player"))) && QDir().mkpath(runtime());
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(); // on the suite's X server
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        return environment;
    }
    // Whether a window takes connections on its socket, within a while.
    bool listening() const
    {
        return QTest::qWaitFor([&] {
            const QStringList sockets = QDir(runtime()).entryList({"vantrel-*.socket"}, QDir::System);
            QLocalSocket probe;
            probe.connectToServer(QDir(runtime()).filePath(sockets.value(0)));
            return !sockets.isEmpty() && probe.waitForConnected(100);
        }, 20000);
    }
};

} // namespace

// The real program as users start it.
class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesTheDerivedLanguage()
    {
        Sandbox sandbox;
        QVERIFY(sandbox.make());
        const QString ini = sandbox.folder.filePath(QStringLiteral("configuration.ini"));
        QProcess vantrel;
        QProcessEnvironment environment = sandbox.environment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        vantrel.setProcessEnvironment(environment);
        vantrel.start(sandbox.program(), QStringList());
        QVERIFY2(vantrel.waitForStarted(), qPrintable(vantrel.errorString()));
        const bool written = QTest::qWaitFor([&] { return QSettings(ini, QSettings::IniFormat).value("language").toInt() == 9; }, 20000);
        const bool stillRunning = vantrel.state() == QProcess::Running;
        vantrel.kill();
        vantrel.waitForFinished();
        QVERIFY(written && stillRunning);
    }

    // Help, version and refusals need no display.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--new-window" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "vantrel " VANTREL_VERSION "\n" << "";
        QTest::newRow("unknown option") << QStringList{"--fullscreen"} << 2 << "" << "Unknown option 'fullscreen'";
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess vantrel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        vantrel.setProcessEnvironment(environment);
        vantrel.start(QStringLiteral(VANTREL_PROGRAM), arguments);
        QVERIFY(vantrel.waitForFinished(10000));
        QTEST(vantrel.exitCode(), "status");
        const QString stdOut = QString::fromLocal8Bit(vantrel.readAllStandardOutput());
        QVERIFY2(out.endsWith('\n') ? stdOut == out : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY(QString::fromLocal8Bit(vantrel.readAllStandardError()).contains(err));
    }

    // A second start hands its file to the open window and ends; after the
    // first is killed, its socket left behind, a new start opens a window
    // that takes later files in turn.
    void oneWindowSurvivesACrash()
    {
        if (!QFileInfo::exists(demoFile1))
            QSKIP("demo recordings not built");
        Sandbox sandbox;
        QVERIFY(sandbox.make());
        const auto start = [&](QProcess &process, const QString &file) {
            process.setProcessEnvironment(sandbox.environment());
            process.start(sandbox.program(), {file});
            return process.waitForStarted();
        };
        const auto handsOver = [&](const QString &file) {
            QProcess later; // how long it takes: bench/app/handover.sh
            const bool ended = start(later, file) && later.waitForFinished(30000);
            return ended && later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0;
        };
        QProcess first, afterCrash;
        QVERIFY(start(first, demoFile1) && sandbox.listening());
        QVERIFY(handsOver(demoFile2));
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        QVERIFY(first.waitForFinished());
        QCOMPARE(QDir(sandbox.runtime()).entryList({"vantrel-*.socket"}, QDir::System).size(), 1);
        QVERIFY(start(afterCrash, demoFile1) && sandbox.listening());
        QVERIFY(handsOver(demoFile2));
        QCOMPARE(afterCrash.state(), QProcess::Running);
        afterCrash.kill();
        afterCrash.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
