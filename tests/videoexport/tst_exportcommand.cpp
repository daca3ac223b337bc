#include "ExportCommand.h"
#include "ExportRequest.h"
#include "FfmpegProgress.h"

#include <QtTest>

namespace {

ExportClip clip(const QString &main, int from, int to, const QString &companion = QString())
{
    ExportClip c;
    c.mainPath = main;
    c.companionPath = companion;
    c.fromSecond = from;
    c.toSecond = to;
    return c;
}

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT
private slots:
    void request();
    void defaultFileName();
    void qualityOrder();
    void filterValue_data();
    void filterValue();
    void progress();
};

void TestExportCommand::request()
{
    ExportRequest r;
    r.outputPath = QStringLiteral("/videos/Trip one.mp4");
    r.clips = {clip("a.mp4", 50, 60), clip("b.mp4", 0, 60), clip("c.mp4", 0, 15)};
    QCOMPARE(r.durationSeconds(), 10 + 60 + 15);
    QCOMPARE(r.gpxPath(), QStringLiteral("/videos/Trip one.gpx"));
    QCOMPARE(r.srtPath(), QStringLiteral("/videos/Trip one.srt"));

    // Only a share of one clip, from the main camera, without texts is copied.
    QVERIFY(!r.isStreamCopy());
    r.clips = {clip("a.mp4", 5, 20, "a-rear.mp4")};
    r.overlay = false;
    QVERIFY(r.isStreamCopy());
    r.layout = ExportLayout::PictureInPicture;
    QVERIFY(!r.isStreamCopy());
    r.layout = ExportLayout::MainOnly;
    r.overlay = true;
    QVERIFY(!r.isStreamCopy());
}

void TestExportCommand::defaultFileName()
{
    const qint64 start = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();
    QCOMPARE(ExportRequest::defaultFileName(start, 80, 140),
             QStringLiteral("Trip_2026-12-06_10-15-00_00-01-20_00-02-20.mp4"));
    QCOMPARE(ExportRequest::defaultFileName(start, 3599, 3 * 3600 + 61),
             QStringLiteral("Trip_2026-12-06_10-15-00_00-59-59_03-01-01.mp4"));
}

void TestExportCommand::qualityOrder()
{
    // A better preset never compresses harder.
    QVERIFY(ExportCommand::crf(ExportQuality::Compact) > ExportCommand::crf(ExportQuality::Standard));
    QVERIFY(ExportCommand::crf(ExportQuality::Standard) > ExportCommand::crf(ExportQuality::High));
}

void TestExportCommand::filterValue_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << ".vantrel-export-a1B2c3.ass" << ".vantrel-export-a1B2c3.ass";
    // The example of ffmpeg's filter documentation, escaped for the option
    // and then for the graph.
    QTest::newRow("documented")
        << "this is a 'string': may contain one, or more, special characters"
        << "this is a \\\\\\'string\\\\\\'\\\\: may contain one\\, or more\\, special characters";
    QTest::newRow("brackets") << "a[b];c\\d" << "a\\[b\\]\\;c\\\\\\\\d";
}

void TestExportCommand::filterValue()
{
    QFETCH(QString, value);
    QFETCH(QString, escaped);
    QCOMPARE(ExportCommand::filterValue(value), escaped);
}

void TestExportCommand::progress()
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
    QCOMPARE(p.fraction(), 1.0);  // never past the end
    QVERIFY(p.feed("progress=end\n"));
    QVERIFY(p.ended());
    // A line without an end does not grow without bound.
    FfmpegProgress q(10);
    QVERIFY(!q.feed(QByteArray(100000, 'x')));
    QVERIFY(q.feed("\nout_time_us=5000000\nprogress=continue\n"));
    QCOMPARE(q.fraction(), 0.5);
}

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
