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
        const auto copied = [](int clips, ExportLayout layout, bool overlay) {
            ExportRequest r;
            r.clips.resize(clips);
            r.clips[0].companionPath = QStringLiteral("a-rear.mp4");
            r.layout = layout;
            r.overlay = overlay;
            return r.isStreamCopy();
        };
        QVERIFY(copied(1, ExportLayout::MainOnly, false));
        QVERIFY(!copied(1, ExportLayout::PictureInPicture, false) && !copied(1, ExportLayout::MainOnly, true));
        QVERIFY(!copied(2, ExportLayout::MainOnly, false));
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
