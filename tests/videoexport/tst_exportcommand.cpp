#include "ExportCommand.h"
#include "ExportRequest.h"
#include "FfmpegProgress.h"

#include <QtTest>

class TestExportCommand : public QObject
{
    Q_OBJECT
private slots:
    // Only a share of one clip, from the main camera, without texts is copied.
    void streamCopyOnlyWhenNothingChanges()
    {
        ExportRequest r;
        r.clips.resize(1);
        r.clips[0].companionPath = QStringLiteral("a-rear.mp4");
        r.overlay = false;
        QVERIFY(r.isStreamCopy());
        r.layout = ExportLayout::PictureInPicture;
        QVERIFY(!r.isStreamCopy());
        r.layout = ExportLayout::MainOnly;
        r.overlay = true;
        QVERIFY(!r.isStreamCopy());
        r.overlay = false;
        r.clips.resize(2);
        QVERIFY(!r.isStreamCopy());
    }

    void defaultFileName()
    {
        const qint64 start = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();
        QCOMPARE(ExportRequest::defaultFileName(start, 3599, 3 * 3600 + 61), QStringLiteral("Trip_2026-12-06_10-15-00_00-59-59_03-01-01.mp4"));
    }

    void filterValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("escaped");
        // The example of ffmpeg's filter documentation, escaped for the option and then for the graph.
        QTest::newRow("documented") << "this is a 'string': may contain one, or more, special characters"
                                    << "this is a \\\\\\'string\\\\\\'\\\\: may contain one\\, or more\\, special characters";
        QTest::newRow("brackets") << "a[b];c\\d" << "a\\[b\\]\\;c\\\\\\\\d";
    }
    void filterValue()
    {
        QFETCH(QString, value);
        QTEST(ExportCommand::filterValue(value), "escaped");
    }

    void progress()
    {
        FfmpegProgress p(10);
        QVERIFY(!p.feed("frame=1\nout_time_us=N/A\n"));
        QVERIFY(p.feed("progress=continue\n"));
        QCOMPARE(p.fraction(), 0.0);
        // A report may arrive split anywhere.
        QVERIFY(!p.feed("out_time_us=2500"));
        QVERIFY(!p.feed("000\nprogress=cont"));
        QVERIFY(p.feed("inue\n"));
        QCOMPARE(p.fraction(), 0.25);
        QVERIFY(!p.ended());
        QVERIFY(p.feed("out_time_us=99000000\nprogress=continue\n"));
        QCOMPARE(p.fraction(), 1.0); // never past the end
        QVERIFY(p.feed("progress=end\n") && p.ended());
        // A line without an end does not grow without bound.
        FfmpegProgress q(10);
        QVERIFY(!q.feed(QByteArray(100000, 'x')));
        QVERIFY(q.feed("\nout_time_us=5000000\nprogress=continue\n"));
        QCOMPARE(q.fraction(), 0.5);
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
