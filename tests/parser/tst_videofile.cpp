#include "FileNameCodec.h"
#include "Mp4Sample.h"
#include "ParserFactory.h"
#include "SampleDir.h"
#include "SampleRecord.h"
#include "VideoFile.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Which files are taken as recordings and opened, and names that are not UTF-8.
class TestVideoFile : public QObject
{
    Q_OBJECT

    SampleDir mDir;
    QByteArray bytePath(const QByteArray &name) const { return QFile::encodeName(mDir.dir.path()) + '/' + name; }

private slots:
    void initTestCase()
    {
        FileNameCodec::install();  // as both programs do first
        const QByteArray drive = Mp4Sample().gps0(straightDrive(5)).bytes();
        QVERIFY(!mDir.write("clip.MP4", drive).isEmpty());
        QVERIFY(::mkfifo(bytePath("pipe.MP4"), 0600) == 0);
        QVERIFY(QDir().mkdir(mDir.path("folder.mp4")));
        QVERIFY(::symlink(bytePath("pipe.MP4"), bytePath("to-pipe.MP4")) == 0);
        // Latin-1, as older cameras name files: not UTF-8.
        const int fd = ::open(bytePath("\xff\xfe.MP4"), O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0 && ::write(fd, drive.constData(), drive.size()) == drive.size() && ::close(fd) == 0);
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("video");
        for (const char *name : {"a.MP4", "b.mov", "c.AvI", "/card/.x.mp4"})
            QTest::newRow(name) << QString(name) << true;
        for (const char *name : {"gump4", "c.mkv", "a.mp4.part", "mp4", ""})
            QTest::newRow(name) << QString(name) << false;
    }

    void names()
    {
        QFETCH(QString, name);
        QTEST(VideoFile::isVideoFileName(name), "video");
    }

    void openable_data()
    {
        QTest::addColumn<QByteArray>("name");  // in the scratch folder unless absolute
        QTest::addColumn<QString>("reason");   // how the reason starts; empty: it opens
        QTest::addColumn<int>("records");
        QTest::newRow("regular file") << QByteArray("clip.MP4") << QString() << 5;
        QTest::newRow("name not UTF-8") << QByteArray("\xff\xfe.MP4") << QString() << 5;
        QTest::newRow("named pipe") << QByteArray("pipe.MP4") << "not a regular file" << 0;
        QTest::newRow("link to a pipe") << QByteArray("to-pipe.MP4") << "not a regular file" << 0;
        QTest::newRow("folder") << QByteArray("folder.mp4") << "is a folder" << 0;
        QTest::newRow("missing") << QByteArray("gone.MP4") << QString::fromLocal8Bit(std::strerror(ENOENT)) << 0;
    }

    // Nothing but a regular file is opened, and neither the check nor the parser's open waits for a pipe's writer.
    void openable()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, reason);
        const QString path = QFile::decodeName(name.startsWith('/') ? name : bytePath(name));
        const QString found = VideoFile::checkOpenable(path);
        QVERIFY2(reason.isEmpty() ? found.isEmpty() : found.startsWith(reason), qPrintable(found));
        const auto parser = createParser(path);
        QCOMPARE(parser->isOpen(), reason.isEmpty());
        QTEST(int(parser->records()), "records");
    }

    void urls_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("encoded");  // the URL's last path part
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ASCII") << QByteArray("clip.MP4") << QByteArray("clip.MP4") << true;
        QTest::newRow("UTF-8, space") << QByteArray("caf\xc3\xa9 1.MP4") << QByteArray("caf%C3%A9%201.MP4") << true;
        QTest::newRow("Latin-1") << QByteArray("\xff\xfe.MP4") << QByteArray("%FF%FE.MP4") << false;
        QTest::newRow("surrogate, beyond U+10FFFF")
            << QByteArray("\xed\xa0\x80\xf4\x90\x80\x80.MP4") << QByteArray("%ED%A0%80%F4%90%80%80.MP4") << false;
    }

    // A name is UTF-8 where it is, always turns back into its own bytes, and its URL (however made) leads back to it.
    void urls()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, encoded);
        const QByteArray bytes = bytePath(name);
        const QString path = QFile::decodeName(bytes);
        QCOMPARE(QFile::encodeName(path), bytes);
        QTEST(path == QString::fromUtf8(bytes), "utf8");
        const QUrl url = VideoFile::fileUrl(path);
        QCOMPARE(url.toEncoded(), "file://" + bytePath(encoded));
        for (const QUrl &given : {url, QUrl::fromLocalFile(path), QUrl::fromEncoded(url.toEncoded()), QUrl(url.toString())})
            QCOMPARE(QFile::encodeName(VideoFile::localPath(given)), bytes);
    }
};

QTEST_GUILESS_MAIN(TestVideoFile)
#include "tst_videofile.moc"
