#include "ExportJob.h"
#include "FfprobeQuery.h"

#include <QtTest>

namespace {

const qint64 morning = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();
constexpr int exportTimeoutMs = 120000;

// A recording of ffmpeg's numbered test picture, with a tone when `withSound`.
void makeVideo(const QString &path, int seconds, const QString &size, bool withSound)
{
    QStringList arguments{"-v", "error", "-y", "-f", "lavfi", "-i",
                          QString("testsrc=duration=%1:size=%2:rate=25").arg(seconds).arg(size)};
    if (withSound)
        arguments << "-f" << "lavfi" << "-i" << QString("sine=frequency=440:duration=%1").arg(seconds);
    arguments << "-c:v" << "libx264" << "-preset" << "ultrafast" << "-g" << "25" << "-pix_fmt" << "yuv420p";
    if (withSound)
        arguments << "-c:a" << "aac";
    arguments << path;
    QCOMPARE(QProcess::execute("ffmpeg", arguments), 0);
}

// One point a second, driving at 10 km/h more each second, `base` added.
TelemetryTrack track(int seconds, int clipStartSecond, float base)
{
    TelemetryTrack t;
    for (int s = 0; s < seconds; ++s)
        t.append({s, morning + (clipStartSecond + s) * 1000LL, true, true, 45.0 + s * 0.0001, -7.5, base + 10.0f * s});
    return t;
}

QStringList entries(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System); }

// A tmpfs mounted for one test, unmounted before its folder goes.
struct ScopedMount
{
    ScopedMount(const QString &folder, const QString &options)
        : folder(folder), mounted(QDir().mkpath(folder) && QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", folder}) == 0) {}
    ~ScopedMount() { if (mounted) QProcess::execute("umount", {folder}); }
    const QString folder;
    const bool mounted;
};

// Points the job at a wrapper around ffmpeg that keeps its log and the overlay it burns in, in `folder`.
void keepFfmpegInputs(const QString &folder)
{
    QFile script(QDir(folder).filePath("ffmpeg"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\ncp .vantrel-export-*.ass '%1/overlay.ass' 2>/dev/null\n"
                         "exec ffmpeg \"$@\" 2>'%1/log'\n").arg(folder).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    ExportJob::setFfmpegProgram(script.fileName());
}

QByteArray contents(const QString &path) { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); }

// Runs a job to its end; the arguments of its finished signal.
QList<QVariant> runToEnd(ExportJob &job)
{
    QSignalSpy finished(&job, &ExportJob::finished);
    job.start();
    if (!finished.wait(exportTimeoutMs))
        return {};
    return finished.takeFirst();
}

} // namespace

class TestExportJob : public QObject
{
    Q_OBJECT
    QTemporaryDir mClips;
    QTemporaryDir mOut;

    // Seconds 3-6 of clip a and 0-1 of clip b, each with its rear camera; the track runs a second past the video.
    ExportRequest twoClipRequest(const QString &folder, ExportLayout layout) const
    {
        ExportRequest r;
        r.clips = {{mClips.filePath("a.mp4"), mClips.filePath("a-rear.mp4"), 3, 7, track(7, 0, 20)},
                   {mClips.filePath("b.mp4"), mClips.filePath("b-rear.mp4"), 0, 2, track(6, 6, 100)}};
        r.layout = layout;
        r.outputPath = QDir(folder).filePath("stretch.mp4");
        return r;
    }

private slots:
    // Two consecutive six-second clips of a front camera with sound and a silent rear camera of another shape.
    void initTestCase()
    {
        for (const char *clip : {"a", "b"}) {
            makeVideo(mClips.filePath(QString("%1.mp4").arg(clip)), 6, "320x180", true);
            makeVideo(mClips.filePath(QString("%1-rear.mp4").arg(clip)), 6, "160x120", false);
        }
    }

    void cleanup()
    {
        ExportJob::setFfmpegProgram("ffmpeg");
        for (const QString &name : entries(mOut.path()))
            QFile::remove(mOut.filePath(name));
    }

    void acrossClipsSideBySide()
    {
        QTemporaryDir kept;
        keepFfmpegInputs(kept.path());
        ExportJob job(twoClipRequest(mOut.path(), ExportLayout::SideBySide));
        QSignalSpy progress(&job, &ExportJob::progress);
        const QList<QVariant> end = runToEnd(job);
        QCOMPARE(end.value(0).toBool(), true);
        QVERIFY(!job.isRunning() && !progress.isEmpty());
        QCOMPARE(progress.last().at(0).toDouble(), 1.0);
        // Three seconds of the first clip and two of the next, the rear picture scaled to its height beside.
        const QJsonObject probed = probe(mOut.filePath("stretch.mp4"));
        QVERIFY(qAbs(probed.value("format").toObject().value("duration").toString().toDouble() - 5.0) <= 0.5);
        const QJsonObject video = stream(probed, "video");
        QCOMPARE(QString("%1 %2x%3").arg(video.value("codec_name").toString()).arg(video.value("width").toInt()).arg(video.value("height").toInt()),
                 QString("h264 560x180"));
        QCOMPARE(stream(probed, "audio").value("codec_name").toString(), QStringLiteral("aac"));

        // Beside it, nothing else left in the folder; readable as any new file made there.
        QCOMPARE(entries(mOut.path()), (QStringList{"stretch.gpx", "stretch.mp4", "stretch.srt"}));
        QFile made(mOut.filePath("made"));
        QVERIFY(made.open(QIODevice::WriteOnly));
        QCOMPARE(QFile::permissions(mOut.filePath("stretch.mp4")), made.permissions());
        made.remove();
        QCOMPARE(contents(mOut.filePath("stretch.gpx")).count("<trkpt"), 5);
        const QString cues = QString::fromUtf8(contents(mOut.filePath("stretch.srt")));
        QCOMPARE(cues.count("-->"), 5);
        // The range's fourth second is the second clip's first, in the subtitles and in the overlay.
        QVERIFY(cues.contains("4\n00:00:03,000 --> 00:00:04,000\n2026-12-06 10:15:06 UTC\n100 km/h\n"));
        QVERIFY(contents(kept.filePath("overlay.ass")).contains("0:00:03.00,0:00:04.00,Telemetry,,0,0,0,,2026-12-06 10:15:06 UTC\\N100 km/h"));
    }

    void streamCopy()
    {
        QTemporaryDir kept;
        keepFfmpegInputs(kept.path());
        ExportRequest r = twoClipRequest(mOut.path(), ExportLayout::MainOnly);
        r.clips.removeLast();
        r.overlay = false;
        // What a killed export left two days ago goes; a running one's stays.
        const QString killed = mOut.filePath(".vantrel-export-0000dead.mp4"), running = mOut.filePath(".vantrel-export-0000beef.gpx");
        QFile left(killed);
        QVERIFY(left.open(QIODevice::WriteOnly) && QFile(running).open(QIODevice::WriteOnly));
        QVERIFY(left.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        left.close();
        ExportJob job(r);
        QCOMPARE(runToEnd(job).value(0).toBool(), true);
        QVERIFY(!QFile::exists(killed) && QFile::exists(running));
        const QByteArray text = contents(kept.filePath("log"));
        const QByteArray mapping = text.mid(text.indexOf("Stream mapping:"));
        QVERIFY2(mapping.contains("(copy)") && !mapping.contains("(native) ->"), text.constData());
        const QJsonObject probed = probe(r.outputPath);
        QVERIFY(qAbs(probed.value("format").toObject().value("duration").toString().toDouble() - 3.0) <= 0.5);
        QVERIFY(!stream(probed, "audio").isEmpty());
    }

    void cancelLeavesNothing()
    {
        QTemporaryDir long_;
        makeVideo(long_.filePath("long.mp4"), 60, "640x360", true);
        ExportRequest r = twoClipRequest(mOut.path(), ExportLayout::MainOnly);
        r.clips = {{long_.filePath("long.mp4"), r.clips[0].companionPath, 0, 60, r.clips[0].track}};
        r.quality = ExportQuality::High;
        ExportJob job(r);
        QSignalSpy progress(&job, &ExportJob::progress);
        QSignalSpy finished(&job, &ExportJob::finished);
        job.start();
        QVERIFY(progress.wait(exportTimeoutMs));
        QVERIFY(finished.isEmpty());
        QVERIFY(!entries(mOut.path()).isEmpty());  // its temporary files
        job.cancel();
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.first() == QVariantList({false, QStringLiteral("Cancelled")}));
        QVERIFY(!job.isRunning());
        QCOMPARE(entries(mOut.path()), QStringList());
        QTest::qWait(500);  // the killed ffmpeg writes nothing more
        QCOMPARE(entries(mOut.path()), QStringList());
    }

    void failureToldWithItsReason_data()
    {
        QTest::addColumn<QString>("folder"); // "file", "plain" or the options of a tmpfs mounted there
        QTest::addColumn<bool>("noise");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ffmpeg missing") << "plain" << false << "ffmpeg cannot be started";
        // Root writes through permissions: a read-only file system stops it.
        QTest::newRow("read-only file system") << "ro,size=64k" << false << "cannot be written";
        QTest::newRow("folder is a file") << "file" << false << "does not exist";
        // The track and subtitles fill a page each; noise makes a video far larger than the disk.
        QTest::newRow("disk full writing the track") << "size=8k" << false << "disk is full";
        QTest::newRow("disk full while ffmpeg writes") << "size=64k" << true << "disk is full";
    }

    // Nothing is left behind, and the reason is told.
    void failureToldWithItsReason()
    {
        QFETCH(QString, folder);
        QFETCH(bool, noise);
        QFETCH(QString, reason);
        QTemporaryDir base;
        const QString path = base.filePath("out");
        QScopedPointer<ScopedMount> mount;
        if (folder == QLatin1String("file")) {
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        } else if (folder == QLatin1String("plain")) {
            QVERIFY(QDir().mkpath(path));
            ExportJob::setFfmpegProgram("/nonexistent/vantrel-ffmpeg");
        } else {
            mount.reset(new ScopedMount(path, folder));
            if (!mount->mounted)
                QSKIP("mounting a small file system is not permitted here");
        }
        ExportRequest r = twoClipRequest(path, ExportLayout::SideBySide);
        if (noise) {
            QCOMPARE(QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                  "testsrc2=duration=6:size=640x360:rate=25,noise=alls=100:allf=t",
                                                  "-c:v", "libx264", "-preset", "ultrafast", base.filePath("noise.mp4")}),
                     0);
            r.clips[0].mainPath = base.filePath("noise.mp4");
        }
        ExportJob job(r);
        const QList<QVariant> end = runToEnd(job);
        QCOMPARE(end.value(0).toBool(), false);
        QVERIFY2(end.value(1).toString().contains(reason), qPrintable(end.value(1).toString()));
        QCOMPARE(entries(path), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestExportJob)
#include "tst_exportjob.moc"
