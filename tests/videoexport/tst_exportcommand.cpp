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

// The value following `option`, each time it occurs.
QStringList valuesOf(const QStringList &arguments, const QString &option)
{
    QStringList values;
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == option)
            values << arguments[i + 1];
    }
    return values;
}

} // namespace

class TestExportCommand : public QObject
{
    Q_OBJECT
private slots:
    void request();
    void defaultFileName();
    void shares_data();
    void shares();
    void streamCopy();
    void graph_data();
    void graph();
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

void TestExportCommand::shares_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("starts");
    QTest::addColumn<QStringList>("lengths");
    QTest::newRow("main only") << int(ExportLayout::MainOnly) << QStringList{"a.mp4", "b.mp4"}
                               << QStringList{"50", "0"} << QStringList{"10", "7"};
    // A clip without a second camera shows a black picture in its place.
    QTest::newRow("side by side") << int(ExportLayout::SideBySide)
                                  << QStringList{"a.mp4", "a-rear.mp4", "b.mp4", "color=c=black:s=640x360:r=25"}
                                  << QStringList{"50", "50", "0"} << QStringList{"10", "10", "7", "7"};
}

// Each clip is read from its first marked second for its share only, so the
// joined video has exactly the range's length.
void TestExportCommand::shares()
{
    QFETCH(int, layout);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, starts);
    QFETCH(QStringList, lengths);
    ExportRequest r;
    r.clips = {clip("a.mp4", 50, 60, "a-rear.mp4"), clip("b.mp4", 0, 7)};
    r.layout = ExportLayout(layout);
    r.sound = false;
    const QStringList arguments = ExportCommand::arguments(r, {"out.part", "overlay.ass", {}, {}});
    QCOMPARE(valuesOf(arguments, "-i"), inputs);
    QCOMPARE(valuesOf(arguments, "-ss"), starts);
    QCOMPARE(valuesOf(arguments, "-t"), lengths);
    QCOMPARE(arguments.last(), QStringLiteral("out.part"));
    QCOMPARE(valuesOf(arguments, "-c:v"), QStringList{"libx264"});
    QCOMPARE(valuesOf(arguments, "-map"), QStringList{"[video]"});
}

void TestExportCommand::streamCopy()
{
    ExportRequest r;
    r.clips = {clip("a.mp4", 12, 72)};
    r.overlay = false;
    const QStringList arguments = ExportCommand::arguments(r, {"out.part", QString(), {}, {}});
    QCOMPARE(valuesOf(arguments, "-c"), QStringList{"copy"});
    QVERIFY(valuesOf(arguments, "-c:v").isEmpty());
    QVERIFY(valuesOf(arguments, "-filter_complex").isEmpty());
    QCOMPARE(valuesOf(arguments, "-ss"), QStringList{"12"});
    QCOMPARE(valuesOf(arguments, "-t"), QStringList{"60"});
    QCOMPARE(valuesOf(arguments, "-movflags"), QStringList{"+faststart"});
    QCOMPARE(valuesOf(arguments, "-progress"), QStringList{"pipe:1"});
    QVERIFY(arguments.contains("-nostats"));
    // Without sound the copy takes the picture only.
    r.sound = false;
    QCOMPARE(valuesOf(ExportCommand::arguments(r, {"out.part", QString(), {}, {}}), "-map"), QStringList{"0:v:0"});
}

void TestExportCommand::graph_data()
{
    QTest::addColumn<bool>("overlay");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<QVector<bool>>("hasAudio");
    QTest::addColumn<QStringList>("expected");  // pieces the graph holds
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("overlay and sound") << true << true << QVector<bool>{true, true}
                                       << QStringList{"concat=n=2:v=1:a=1", "subtitles=filename=over.ass", "[0:a]",
                                                      "[1:a]"}
                                       << QStringList{"anullsrc", "setsar"} << QSize();
    // Every clip's picture is fitted into the first one's frame.
    QTest::newRow("silent, sized") << false << false << QVector<bool>{}
                                   << QStringList{"concat=n=2:v=1:a=0", "[0:v]scale=1280:720:", "[1:v]scale=1280:720:",
                                                  "pad=1280:720:"}
                                   << QStringList{"subtitles", ":a]"} << QSize(1280, 720);
    // A clip without sound gets silence of its own length from a generated input.
    QTest::newRow("one clip mute") << false << true << QVector<bool>{false, true}
                                   << QStringList{"concat=n=2:v=1:a=1", "[2:a]", "[1:a]"}
                                   << QStringList{"[0:a]"} << QSize();
}

void TestExportCommand::graph()
{
    QFETCH(bool, overlay);
    QFETCH(bool, sound);
    QFETCH(QVector<bool>, hasAudio);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    QFETCH(QSize, frame);
    ExportRequest r;
    r.clips = {clip("a.mp4", 50, 60), clip("b.mp4", 0, 7)};
    r.overlay = overlay;
    r.sound = sound;
    const QStringList arguments = ExportCommand::arguments(r, {"out.part", "over.ass", hasAudio, frame});
    const QStringList graphs = valuesOf(arguments, "-filter_complex");
    QCOMPARE(graphs.size(), 1);
    for (const QString &piece : expected)
        QVERIFY2(graphs[0].contains(piece), qPrintable(piece + " not in " + graphs[0]));
    for (const QString &piece : absent)
        QVERIFY2(!graphs[0].contains(piece), qPrintable(piece + " in " + graphs[0]));
    QCOMPARE(valuesOf(arguments, "-map").contains("[sound]"), sound);
    QCOMPARE(valuesOf(arguments, "-c:a") == QStringList{"aac"}, sound);
    QCOMPARE(arguments.contains("anullsrc=r=48000:cl=stereo"), hasAudio.contains(false));
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
