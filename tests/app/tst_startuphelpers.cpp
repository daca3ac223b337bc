#include "BatchOpener.h"
#include "CommandLineFiles.h"
#include "FileNameCodec.h"
#include "InstanceChannel.h"
#include "LaunchOptions.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "RecordingFiles.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(LaunchOptions::Action)

namespace {

// Makes each entry under `root`: "path" an empty file, "path@yyyyMMddhhmmss" one last changed then,
// "path->target" a symbolic link; a trailing slash makes a folder.
bool make(const QDir &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = root.filePath(entry.section(QRegularExpression("@|->"), 0, 0));
        const QDateTime changed = QDateTime::fromString(entry.section('@', 1), "yyyyMMddhhmmss");
        QFile file(path);
        const bool made = root.mkpath(QFileInfo(path).path())
            && (entry.contains("->") ? QFile::link(entry.section("->", 1), path)
                : entry.endsWith('/') ? root.mkpath(path)
                : file.open(QIODevice::WriteOnly)
                    && (!entry.contains('@') || file.setFileTime(changed, QFileDevice::FileModificationTime)));
        if (!made)
            return false;
    }
    return true;
}

// A hand-over from another thread, as a second process would make it while
// this one's event loop serves the listener.
std::future<bool> handOverLater(const QString &name, const QString &workingDir, const QStringList &arguments)
{
    return std::async(std::launch::async, [=] { return InstanceChannel(name).handOver(workingDir, arguments); });
}

bool finished(std::future<bool> &result)
{
    return QTest::qWaitFor([&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000);
}

} // namespace

// Where the map pages are, what the command line asks for, which files a
// folder stands for, which files the opener lists, and how a second start
// reaches the first.
class TestStartUpHelpers : public QObject
{
    Q_OBJECT

    QTemporaryDir mFiles;
    QString socketName() const { return InstanceChannel::nameFor(mFiles.path(), QStringLiteral(":7")); }

private slots:
    void initTestCase()
    {
        FileNameCodec::install();  // as the program does first
        QLoggingCategory::setFilterRules("default.debug=false");  // hundreds of rows
    }

    void launchOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<LaunchOptions::Action>("action");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("newWindow");
        using A = LaunchOptions::Action;
        QTest::newRow("files and folders") << QStringList{"a.mp4", "card"} << A::Run << QStringList{"a.mp4", "card"} << false;
        QTest::newRow("new window") << QStringList{"--new-window", "a.mp4"} << A::Run << QStringList{"a.mp4"} << true;
        QTest::newRow("a file named like an option") << QStringList{"--", "-b.mov"} << A::Run << QStringList{"-b.mov"} << false;
        QTest::newRow("unknown option") << QStringList{"--fullscreen", "a.mp4"} << A::Invalid << QStringList{} << false;
    }

    void launchOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QFETCH(bool, newWindow);
        const LaunchOptions options = LaunchOptions::fromArguments(QStringList{"vantrel"} + arguments);
        QTEST(options.action, "action");
        QCOMPARE(options.files, files);
        QCOMPARE(options.newWindow, newWindow);
        QCOMPARE(options.error.isEmpty(), options.action != LaunchOptions::Action::Invalid);
    }

    void launchArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected"); // names in the files folder
        QTest::addColumn<QStringList>("missing");  // as given
        const QString absolute = mFiles.filePath("b.mov");
        QTest::newRow("relative and absolute, in order") << QStringList{"c.AVI", absolute, "a.MP4"} << QStringList{"c.AVI", "b.mov", "a.MP4"} << QStringList();
        QTest::newRow("file URL with escapes")
            << QStringList{QUrl::fromLocalFile(mFiles.filePath("with space.mp4")).toString(QUrl::FullyEncoded)} << QStringList{"with space.mp4"} << QStringList();
        QTest::newRow("not a recording") << QStringList{"notes.txt", "folder.mp4", "http://example.invalid/a.mp4"} << QStringList{} << QStringList();
        QTest::newRow("a folder: its own recordings by name")
            << QStringList{"card", "a.MP4"} << QStringList{"card/20261206_101500F.MP4", "card/20261206_101500R.mov", "a.MP4"} << QStringList();
        const QString gone = mFiles.filePath("gone/x.MOV");
        QTest::newRow("missing ones") << QStringList{"missing.mp4", "a.MP4", gone, "no video.txt", "file:///nowhere/y.avi"}
                                      << QStringList{"a.MP4"} << QStringList{"missing.mp4", gone, "no video.txt", "file:///nowhere/y.avi"};
    }

    void launchArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QDir files(mFiles.path());
        QVERIFY(make(files, {"a.MP4", "b.mov", "c.AVI", "notes.txt", "with space.mp4", "folder.mp4/", "card/20261206_101500R.mov",
                             "card/20261206_101500F.MP4", "card/notes.txt", "card/DCIM/20261206_101400F.MP4"}));
        QList<QUrl> wanted;
        for (const QString &name : expected)
            wanted << QUrl::fromLocalFile(files.filePath(name));
        QCOMPARE(CommandLineFiles::videoUrls(arguments, files.path()), wanted);
        QTEST(CommandLineFiles::missingFiles(arguments, files.path()), "missing");
    }

    void recordingFolders_data()
    {
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QString>("order"); // "time", "names" or "names, below too"
        QTest::addColumn<QStringList>("expected");
        const QStringList card{"DCIM/Movie/F/20261206_101600F.MP4", "DCIM/Movie/R/20261206_101500R.MP4",
                               "DCIM/Movie/F/20261206_101500F.MP4", "DCIM/Movie/R/20261206_101600R.MP4",
                               "DCIM/Photo/20261206_101530.JPG", "DCIM/Event/2026_1206_101550_007F.MOV",
                               "DCIM/Movie/F/.hidden.mp4", "DCIM/up->.."};
        QTest::newRow("a card, front and rear in turn") << card << "time"
            << QStringList{"DCIM/Movie/F/20261206_101500F.MP4", "DCIM/Movie/R/20261206_101500R.MP4", "DCIM/Event/2026_1206_101550_007F.MOV",
                           "DCIM/Movie/F/20261206_101600F.MP4", "DCIM/Movie/R/20261206_101600R.MP4"};
        QTest::newRow("a card by path") << card << "names, below too"
            << QStringList{"DCIM/Event/2026_1206_101550_007F.MOV", "DCIM/Movie/F/20261206_101500F.MP4", "DCIM/Movie/F/20261206_101600F.MP4",
                           "DCIM/Movie/R/20261206_101500R.MP4", "DCIM/Movie/R/20261206_101600R.MP4"};
        QTest::newRow("names without a time: the last change")
            << QStringList{"IMG_0001.mp4@20261206101630", "IMG_0002.avi@20261206101545", "20261206_101600F.MP4@20261206110000",
                           "FILE261206-101700.MOV@20261206101500"}
            << "time" << QStringList{"FILE261206-101700.MOV", "IMG_0002.avi", "20261206_101600F.MP4", "IMG_0001.mp4"};
        QTest::newRow("this folder only") << QStringList{"b.MP4", "a.mov", "c.AVI", "notes.txt", "sub/a.mp4", "mp4/"} << "names"
                                          << QStringList{"a.mov", "b.MP4", "c.AVI"};
    }

    void recordingFolders()
    {
        QFETCH(QStringList, made);
        QFETCH(QString, order);
        QFETCH(QStringList, expected);
        QTemporaryDir folder;
        QDir root(folder.path());
        QVERIFY(make(root, made));
        const QStringList found = order == "time" ? RecordingFiles::byRecordingTime(root.path())
                                                  : RecordingFiles::inFolder(root.path(), order.endsWith("too"));
        QStringList wanted;
        for (const QString &name : expected)
            wanted << root.filePath(name);
        QCOMPARE(found, wanted);
    }

    // Only regular files become rows; a named pipe or a folder is refused
    // with its reason. A name that is not UTF-8, as a desktop's URL carries
    // it, is listed and read by its own bytes.
    void openerLists()
    {
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        QVERIFY(::mkfifo(folder + "/pipe.MP4", 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir("folder.mp4"));
        const int fd = ::open(folder + "/\xff\xfe.MP4", O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0 && ::write(fd, "0123456789", 10) == 10 && ::close(fd) == 0);
        const QList<QUrl> urls = {QUrl::fromLocalFile(dir.filePath("pipe.MP4")),
                                  QUrl::fromEncoded("file://" + folder + "/%FF%FE.MP4"),
                                  QUrl::fromLocalFile(dir.filePath("folder.mp4"))};
        PlaylistModel model;
        BatchOpener opener(&model);
        QSignalSpy refused(&opener, &BatchOpener::fileRefused);
        QSignalSpy played(&opener, &BatchOpener::playRow);
        opener.open(urls);
        QVERIFY(played.wait(5000));
        QCOMPARE(played.takeFirst(), QVariantList{0});
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(QFile::encodeName(model.rowAt(0)->fileName), QByteArray("\xff\xfe.MP4"));
        QCOMPARE(model.rowAt(0)->size, 10);
        QCOMPARE(model.rowAt(0)->url.toEncoded(), urls[1].toEncoded());  // as the media framework needs it
        QCOMPARE(refused.size(), 2);
        QCOMPARE(QVariantList({refused[0][0], refused[1][0]}), QVariantList({dir.filePath("pipe.MP4"), dir.filePath("folder.mp4")}));
        QVERIFY(!refused[0][1].toString().isEmpty() && refused[1][1] != refused[0][1]);
        opener.open(urls.mid(0, 1));  // nothing left to play
        QVERIFY(!played.wait(300) && model.rowCount() == 1);
    }

    // A batch plays its own first file, wherever that is listed; a batch
    // opened while a card is still being listed, over several turns, comes
    // after it and is the one played.
    void openerPlaysItsBatchsFirst_data()
    {
        QTest::addColumn<QStringList>("listed"); // opened first
        QTest::addColumn<QStringList>("batch");  // opened at once after
        QTest::addColumn<int>("playedRow");
        QStringList card;
        for (int i = 0; i < 300; ++i)
            card << QStringLiteral("CLIP%1F.MP4").arg(i, 4, 10, QLatin1Char('0'));
        QTest::newRow("first listed, last new") << QStringList{"a.MP4", "b.MP4", "c.MP4"} << QStringList{"b.MP4", "d.MP4"} << 1;
        QTest::newRow("first new, last listed") << QStringList{"a.MP4", "b.MP4"} << QStringList{"d.MP4", "a.MP4"} << 2;
        QTest::newRow("opened while a card is listed") << card << QStringList{"d.MP4"} << 300;
    }
    void openerPlaysItsBatchsFirst()
    {
        QFETCH(QStringList, listed);
        QFETCH(QStringList, batch);
        QTemporaryDir dir;
        QVERIFY(make(QDir(dir.path()), listed + batch));
        const auto urls = [&dir](const QStringList &names) {
            QList<QUrl> list;
            for (const QString &name : names)
                list << QUrl::fromLocalFile(dir.filePath(name));
            return list;
        };
        PlaylistModel model;
        BatchOpener opener(&model);
        QSignalSpy played(&opener, &BatchOpener::playRow);
        opener.open(urls(listed));
        opener.open(urls(batch));
        QVERIFY(played.wait(30000));
        QVERIFY(!played.wait(300));
        QTEST(played.first().first().toInt(), "playedRow");
        QStringList rows, expected = listed;
        for (const QString &name : batch)
            if (!expected.contains(name))
                expected << name;
        for (int row = 0; row < model.rowCount(); ++row)
            rows << model.rowAt(row)->fileName;
        QCOMPARE(rows, expected);
    }

    // Nobody listening: a hand-over fails. With one listening, no other listens, and what a second start sends
    // arrives whole at it, and the second start learns that it did. (A socket left by a crash: tst_startup.)
    void listening()
    {
        const QStringList arguments{"new\nline.mp4", QString::fromUtf8("行车 ü.MOV"), ""};
        QVERIFY(!InstanceChannel(socketName()).handOver("/", {"a.mp4"}, 200));
        InstanceChannel running(socketName());
        QVERIFY(running.listen() && !InstanceChannel(socketName()).listen());
        QSignalSpy received(&running, &InstanceChannel::received);
        std::future<bool> taken = handOverLater(socketName(), "/tmp/with space", arguments);
        QVERIFY(finished(taken) && taken.get());
        QCOMPARE(received.count(), 1);
        QCOMPARE(received[0], (QList<QVariant>{"/tmp/with space", arguments}));
    }

    // Requests that are too long or not made of zero-ended fields are
    // refused without reading them.
    void refusesMalformedRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("length beyond the limit") << QByteArray::fromHex("7fffffff") + QByteArray(64, 'x');
        QTest::newRow("no zero byte") << QByteArray::fromHex("00000003") + "abc";
        QTest::newRow("empty") << QByteArray::fromHex("00000000");
    }

    void refusesMalformedRequests()
    {
        QFETCH(QByteArray, request);
        InstanceChannel first(socketName());
        QVERIFY(first.listen());
        QSignalSpy received(&first, &InstanceChannel::received);
        QLocalSocket client;
        client.connectToServer(socketName());
        QVERIFY(client.waitForConnected(1000));
        client.write(request);
        QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(received.count(), 0);
        QCOMPARE(client.readAll(), QByteArray());
    }

    // One socket per display, inside the user's runtime folder whatever the display's name holds. Without a
    // runtime folder the socket goes into a folder only this user can enter; one that others can enter (made
    // by another user first) is never used, so nobody can take the files handed over.
    void socketPlaces()
    {
        const QString runtime = mFiles.path();
        QVERIFY(InstanceChannel::nameFor(runtime, ":0") != InstanceChannel::nameFor(runtime, ":1"));
        for (const char *display : {":0", "wayland-0", "../../x/:0.0", ""})
            QCOMPARE(QFileInfo(InstanceChannel::nameFor(runtime, display)).path(), runtime);
        const QByteArray oldTemp = qgetenv("TMPDIR"), oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(mFiles.path()));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString folder = mFiles.filePath(QStringLiteral("vantrel-%1").arg(::getuid()));
        const QString name = InstanceChannel::defaultName();
        const QFile::Permissions made = QFileInfo(folder).permissions();
        QVERIFY(QDir().rmdir(folder) && QDir().mkdir(folder));
        QFile::setPermissions(folder, made | QFile::ReadOther | QFile::ExeOther);
        const QString shared = InstanceChannel::defaultName();
        qputenv("TMPDIR", oldTemp);
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
        QCOMPARE(QFileInfo(name).path(), folder);
        QVERIFY(!(made & (QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup)));
        QCOMPARE(shared, QString());
        QVERIFY(!InstanceChannel(shared).listen());
    }
};

QTEST_GUILESS_MAIN(TestStartUpHelpers)
#include "tst_startuphelpers.moc"
