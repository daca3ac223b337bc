#include "SubtitleWriter.h"
#include "TelemetryCaption.h"

#include <QtTest>

namespace {

const qint64 morning = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();

TrackPoint point(int second, float kmh, bool fix = true, bool time = true)
{
    return {second, morning + second * 1000LL, time, fix, -33.9 - second * 0.0001, 7.25, kmh};
}

QString ffmpegOutput(const QStringList &arguments, int *status = nullptr)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-nostdin"} + arguments);
    const bool done = ffmpeg.waitForFinished(30000);
    if (status)
        *status = done && ffmpeg.exitStatus() == QProcess::NormalExit ? ffmpeg.exitCode() : -1;
    return QString::fromUtf8(ffmpeg.readAllStandardOutput());
}

// Each event's text as ffmpeg reads it, shown as libass shows it (\N a break, \{ \} braces, no word joiners).
QStringList shownTexts(const QString &file)
{
    QStringList texts;
    for (const QString &line : ffmpegOutput({"-i", file, "-f", "ass", "-"}).split('\n')) {
        if (!line.startsWith("Dialogue:"))
            continue;
        QString text = line.section(',', 9);
        text.remove('\r');  // the muxer ends its lines with CR LF
        text.replace("\\N", "\n").replace("\\{", "{").replace("\\}", "}").remove(QChar(0x2060));
        texts << text;
    }
    return texts;
}

enum Format { Srt, Ass };

QString writeCues(const QString &file, Format format, const std::function<void(SubtitleWriter &)> &cues)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    std::unique_ptr<SubtitleWriter> writer = format == Srt ? std::unique_ptr<SubtitleWriter>(new SrtWriter(out, false))
                                                           : std::unique_ptr<SubtitleWriter>(new AssWriter(out, false));
    writer->begin();
    writer->beginFile(file);
    cues(*writer);
    writer->endFile();
    writer->end();
    return file;
}

} // namespace

class TestSubtitleWriter : public QObject
{
    Q_OBJECT
    QTemporaryDir mDir;

private slots:
    // Hemispheres, rounding, and a point without fix or time (mph: tst_exporter's "ass in mph").
    void caption()
    {
        QCOMPARE(TelemetryCaption::lines(point(3, 55.4f), false),
                 QStringList({"2026-12-06 10:15:03 UTC", "55 km/h", "S 33.900300° E 7.250000°"}));
        QCOMPARE(TelemetryCaption::lines(point(1, 0, false, false), false), QStringList({"no time", "0 km/h", "no position"}));
    }

    void cuesPerSecond_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("srt") << int(Srt);
        QTest::newRow("ass") << int(Ass);
    }

    // ffmpeg reads one event per second of telemetry, from that second to the next, with its speed.
    void cuesPerSecond()
    {
        QFETCH(int, format);
        const QString file = writeCues(mDir.filePath(format == Srt ? "cues.srt" : "cues.ass"), Format(format),
                                       [](SubtitleWriter &writer) {
                                           for (int s : {5, 6, 7, 3600})
                                               writer.writePoint(point(s, 10.0f * s));
                                       });
        int status = 0;
        // Every cue decoded and encoded again (the null muxer needs an encoder named).
        ffmpegOutput({"-i", file, "-map", "0", "-c:s", "ass", "-f", "null", "-"}, &status);
        QCOMPARE(status, 0);
        QProcess ffprobe;
        ffprobe.start("ffprobe", {"-v", "error", "-show_entries", "packet=pts_time,duration_time", "-of", "csv=p=0", file});
        QVERIFY(ffprobe.waitForFinished(30000));
        const QStringList times = QString::fromUtf8(ffprobe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(times, (QStringList{"5.000000,1.000000", "6.000000,1.000000", "7.000000,1.000000",
                                     "3600.000000,1.000000"}));
        const QStringList texts = shownTexts(file);
        QCOMPARE(texts.size(), 4);
        QCOMPARE(texts[1].section('\n', 1, 1), QStringLiteral("60 km/h"));
        QCOMPARE(texts[3].section('\n', 0, 0), QStringLiteral("2026-12-06 11:15:00 UTC"));
    }

    void everyCharacter_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("shown");

        // Every Latin-1 character and what either format would read as markup;
        // the control characters DEL and C1 show as spaces.
        QString latin1, latin1Shown;
        for (int c = 0x20; c <= 0xFF; ++c) {
            latin1 += QChar(c);
            latin1Shown += c >= 0x7F && c < 0xA0 ? QChar(' ') : QChar(c);
        }
        const QStringList markup = {"{\\an8}{\\i1}x{\\r}", "<b>bold</b> <i>x</i> <font color=red>r</font>",
                                    "\\N\\n\\h\\\\{}\\{\\}", "a{b}c}{", "& &amp; &lt; -->", "\u8eca \U0001F697 \u00e9\u0301"};
        for (int format : {int(Srt), int(Ass)}) {
            const char *name = format == Srt ? "srt" : "ass";
            QTest::newRow(qPrintable(QString("%1, Latin-1").arg(name))) << format << QStringList{latin1} << latin1Shown;
            QTest::newRow(qPrintable(QString("%1, markup").arg(name))) << format << markup << markup.join('\n');
            QTest::newRow(qPrintable(QString("%1, spaces").arg(name)))
                << format << QStringList{"  two before", "\u00a0one after ", "in  between"}
                << QString("  two before\n\u00a0one after \nin  between");
            // Line breaks inside a text start a new line; control characters show as spaces.
            QTest::newRow(qPrintable(QString("%1, controls").arg(name)))
                << format << QStringList{QString("a\nb\r\nc\td\x01" "e\x1b" "f")} << QString("a\nb\nc d e f");
        }
    }

    void everyCharacter()
    {
        QFETCH(int, format);
        QFETCH(QStringList, lines);
        QFETCH(QString, shown);
        const QString file = writeCues(mDir.filePath(format == Srt ? "text.srt" : "text.ass"), Format(format),
                                       [&lines](SubtitleWriter &writer) { writer.writeCue(2, lines); });
        const QStringList texts = shownTexts(file);
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0], shown);
    }
};

QTEST_GUILESS_MAIN(TestSubtitleWriter)
#include "tst_subtitlewriter.moc"
