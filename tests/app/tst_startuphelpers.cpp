#include "BatchOpener.h"
#include "CommandLineFiles.h"
#include "FileNameCodec.h"
#include "MapPagesFolder.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Where the map pages are, which launch arguments are recordings, and which
// files the opener lists.
class TestStartUpHelpers : public QObject
{
    Q_OBJECT

    QTemporaryDir mFiles;

private slots:
    void initTestCase()
    {
        FileNameCodec::install();  // as the program does first
    }

    void mapPagesFolder_data()
    {
        QTest::addColumn<QString>("made"); // under a prefix; a trailing slash makes a folder
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the executable") << "bin/maps/ share/vantrel/maps/" << "bin/maps";
        QTest::newRow("installed") << "share/vantrel/maps/" << "share/vantrel/maps";
        QTest::newRow("a file named maps") << "bin/maps share/vantrel/maps/" << "share/vantrel/maps";
    }

    void mapPagesFolder()
    {
        QFETCH(QString, made);
        QFETCH(QString, expected);
        QTemporaryDir prefix;
        QDir root(prefix.path());
        for (const QString &path : ("bin/ " + made).split(' '))
            QVERIFY(path.endsWith('/') ? root.mkpath(path) : QFile(root.filePath(path)).open(QIODevice::WriteOnly));
        QCOMPARE(MapPagesFolder::pathFor(root.filePath(QStringLiteral("bin"))), root.filePath(expected));
    }

    void launchArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected"); // names in the files folder
        const QString absolute = mFiles.filePath("b.mov");
        QTest::newRow("relative and absolute, in order") << QStringList{"c.AVI", absolute, "a.MP4"} << QStringList{"c.AVI", "b.mov", "a.MP4"};
        QTest::newRow("file URL with escapes")
            << QStringList{QUrl::fromLocalFile(mFiles.filePath("with space.mp4")).toString(QUrl::FullyEncoded)} << QStringList{"with space.mp4"};
        QTest::newRow("not a recording") << QStringList{"notes.txt", "folder.mp4", "missing.mp4", "http://example.invalid/a.mp4"} << QStringList{};
    }

    void launchArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QDir files(mFiles.path());
        for (const char *name : {"a.MP4", "b.mov", "c.AVI", "notes.txt", "with space.mp4"})
            QVERIFY(QFile(files.filePath(name)).open(QIODevice::WriteOnly));
        QVERIFY(files.mkpath(QStringLiteral("folder.mp4")));
        QList<QUrl> wanted;
        for (const QString &name : expected)
            wanted << QUrl::fromLocalFile(files.filePath(name));
        QCOMPARE(CommandLineFiles::videoUrls(QStringList{"vantrel"} + arguments, files.path()), wanted);
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
        QCOMPARE(refused[0][0], dir.filePath("pipe.MP4"));
        QCOMPARE(refused[1][0], dir.filePath("folder.mp4"));
        QVERIFY(!refused[0][1].toString().isEmpty() && refused[1][1] != refused[0][1]);
        opener.open(urls.mid(0, 1));  // nothing left to play
        QVERIFY(!played.wait(300) && model.rowCount() == 1);
    }
};

QTEST_GUILESS_MAIN(TestStartUpHelpers)
#include "tst_startuphelpers.moc"
