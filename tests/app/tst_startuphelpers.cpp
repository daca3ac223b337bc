#include "CommandLineFiles.h"
#include "MapPagesFolder.h"

#include <QTemporaryDir>
#include <QtTest>

// Where the map pages are, and which launch arguments are recordings.
class TestStartUpHelpers : public QObject
{
    Q_OBJECT

    QTemporaryDir mFiles;

private slots:
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
};

QTEST_GUILESS_MAIN(TestStartUpHelpers)
#include "tst_startuphelpers.moc"
