#include "CommandLineFiles.h"
#include "KeepAwake.h"
#include "MapPagesFolder.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for a desktop's idle inhibitor on a private bus.
class FakeInhibitor : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList requests;
public slots:
    uint Inhibit(const QString &application, const QString &reason)
    {
        requests << application + QLatin1Char('|') + reason;
        return 42;
    }
};

// The start-up's helpers: where the map pages are, which launch arguments
// are recordings, and the keep-awake request.
class TestStartUpHelpers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void mapPagesFolder_data();
    void mapPagesFolder();
    void launchArguments_data();
    void launchArguments();
    void keepAwake_data();
    void keepAwake();

private:
    QTemporaryDir mFiles;
    QProcess mBus;
    QString mBusAddress;
};

void TestStartUpHelpers::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel V1.6 20200221"));
    QVERIFY(mFiles.isValid());
    QDir files(mFiles.path());
    for (const char *name : {"a.MP4", "b.mov", "c.AVI", "notes.txt", "with space.mp4"}) {
        QFile file(files.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(files.mkpath(QStringLiteral("folder.mp4")));

    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        return;
    mBus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
    if (mBus.waitForStarted() && mBus.waitForReadyRead(5000))
        mBusAddress = QString::fromUtf8(mBus.readLine()).trimmed();
}

void TestStartUpHelpers::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("inhibitor"));
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    mBus.kill();
    mBus.waitForFinished();
}

void TestStartUpHelpers::mapPagesFolder_data()
{
    QTest::addColumn<QStringList>("folders"); // made under a prefix
    QTest::addColumn<QString>("expected");
    QTest::newRow("beside the executable") << QStringList{"bin/maps", "share/vantrel/maps"} << "bin/maps";
    QTest::newRow("installed") << QStringList{"share/vantrel/maps"} << "share/vantrel/maps";
    QTest::newRow("nowhere") << QStringList{} << "bin/maps";
    QTest::newRow("a file named maps") << QStringList{"share/vantrel/maps"} << "share/vantrel/maps";
}

void TestStartUpHelpers::mapPagesFolder()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    for (const QString &folder : folders)
        QVERIFY(root.mkpath(folder));
    if (QByteArray(QTest::currentDataTag()) == "a file named maps") {
        QFile file(root.filePath(QStringLiteral("bin/maps")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(MapPagesFolder::pathFor(root.filePath(QStringLiteral("bin"))), root.filePath(expected));
}

void TestStartUpHelpers::launchArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // names in the files folder
    const QString folder = mFiles.path();
    QTest::newRow("no files") << QStringList{} << QStringList{};
    QTest::newRow("relative paths in order") << QStringList{"c.AVI", "a.MP4"} << QStringList{"c.AVI", "a.MP4"};
    QTest::newRow("absolute path") << QStringList{folder + "/b.mov"} << QStringList{"b.mov"};
    QTest::newRow("file URL with escapes")
        << QStringList{QUrl::fromLocalFile(folder + "/with space.mp4").toString(QUrl::FullyEncoded)}
        << QStringList{"with space.mp4"};
    QTest::newRow("not a recording") << QStringList{"notes.txt", "folder.mp4", "missing.mp4"}
                                     << QStringList{};
    QTest::newRow("remote URL") << QStringList{"http://example.invalid/a.mp4"} << QStringList{};
}

void TestStartUpHelpers::launchArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    arguments.prepend(QStringLiteral("vantrel"));
    QList<QUrl> wanted;
    for (const QString &name : expected)
        wanted << QUrl::fromLocalFile(QDir(mFiles.path()).filePath(name));
    const QList<QUrl> urls = CommandLineFiles::videoUrls(arguments, mFiles.path());
    QCOMPARE(urls, wanted);
}

void TestStartUpHelpers::keepAwake_data()
{
    QTest::addColumn<bool>("inhibitorListening");
    QTest::newRow("desktop with an inhibitor") << true;
    QTest::newRow("desktop without one") << false;
}

void TestStartUpHelpers::keepAwake()
{
    QFETCH(bool, inhibitorListening);
    QVERIFY(!KeepAwake::requestOn(QDBusConnection(QStringLiteral("never connected"))));
    if (mBusAddress.isEmpty())
        QSKIP("no dbus-daemon for a private session bus");

    QDBusConnection desktop = QDBusConnection::connectToBus(mBusAddress, QStringLiteral("inhibitor"));
    QDBusConnection player = QDBusConnection::connectToBus(mBusAddress, QStringLiteral("player"));
    QVERIFY(desktop.isConnected() && player.isConnected());
    FakeInhibitor inhibitor;
    const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
    if (inhibitorListening) {
        QVERIFY(desktop.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &inhibitor,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(desktop.registerService(service));
    }

    QVERIFY(KeepAwake::requestOn(player));
    if (inhibitorListening) {
        QTRY_COMPARE(inhibitor.requests.size(), 1);
        QVERIFY(inhibitor.requests.first().startsWith(QLatin1String("Vantrel V1.6 20200221|")));
        desktop.unregisterService(service);
        desktop.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
    } else {
        // The error answer arrives and is dropped; nothing else happens.
        QTest::qWait(100);
        QVERIFY(inhibitor.requests.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestStartUpHelpers)
#include "tst_startuphelpers.moc"
