#include "Mp4Sample.h"
#include "PlaylistModel.h"
#include "SampleRecord.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class PlaylistModelTest : public QObject
{
    Q_OBJECT
    QString writeMp4(const QString &name, quint32 seconds, int records = 0) const
    {
        const QString path = mDir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        return Mp4Sample().movie(1, seconds).videoTrack(1920, 1080).gps0(straightDrive(records)).write(path) ? path : QString();
    }
    QUrl urlOf(const QString &name) const { return QUrl::fromLocalFile(mDir.filePath(name)); }
    // A minute at `kmh` from `start` (UTC); with `kmh` negative, video alone created at `created` (if valid).
    QUrl writeMinute(const QString &name, const QDateTime &start, int kmh, const QDateTime &created = {}) const
    {
        QVector<SampleRecord> records;
        // The record before the first second's is not played.
        for (int i = 0; kmh >= 0 && i <= 60; ++i)
            records << SampleRecord::fix(48.1, 11.5, kmh, start.addSecs(i - 1).toString("yyyyMMddhhmmss").toLatin1());
        const quint32 mp4Time = created.isValid() ? quint32(created.toSecsSinceEpoch() + 2082844800LL) : 0;
        const QString path = mDir.filePath("trips/" + name);
        QDir().mkpath(QFileInfo(path).path());
        Mp4Sample sample = Mp4Sample().movie(1, 60).videoTrack(1920, 1080, mp4Time);
        if (!records.isEmpty())
            sample.gps0(storedRecords(records));
        return sample.write(path) ? QUrl::fromLocalFile(path) : QUrl();
    }

    QTemporaryDir mDir;

private slots:
    // Each row shows what its worker reports, the last one's (a movie) from a non-zero row.
    void rowTexts()
    {
        QVERIFY(!writeMp4("long.MOV", 90061, 61).isEmpty());
        PlaylistModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        for (qint64 size : {3000000, 1048575}) {
            QFile sized(mDir.filePath(QStringLiteral("sized%1.MP4").arg(size)));
            QVERIFY(sized.open(QIODevice::WriteOnly) && sized.resize(size));
            model.addFile(QUrl::fromLocalFile(sized.fileName()));
        }
        model.addFile(urlOf("missing.MP4"));
        const int row = model.addFile(urlOf("long.MOV"));
        // Reports that arrive together reach the views as one change of their rows.
        const auto reported = [&] {
            int rows = 0;
            for (const QList<QVariant> &change : changed)
                rows += change[1].toModelIndex().row() - change[0].toModelIndex().row() + 1;
            return rows;
        };
        // Then each row's track, which may come in the same turn or later.
        QTRY_VERIFY_WITH_TIMEOUT(reported() >= 4, 30000);
        for (int at = 0; at < 4; ++at)
            QTRY_VERIFY_WITH_TIMEOUT(model.trackOf(at), 30000);
        QCoreApplication::processEvents();
        const int reportedBefore = reported();
        QVERIFY2(reportedBefore <= 8, qPrintable(QString::number(reportedBefore)));
        const auto cell = [&](int at, int column) { return model.data(model.index(at, column)).toString(); };
        QCOMPARE(cell(0, PlaylistModel::SizeColumn), QString("3 MB"));
        QCOMPARE(cell(1, PlaylistModel::SizeColumn), QString("1024 KB"));
        QCOMPARE(cell(row, PlaylistModel::DurationColumn), QString("01:01:01")); // past a day wraps
        QCOMPARE(cell(row, PlaylistModel::ResolutionColumn), QString("1920 x 1080"));
        // Requests for rows the model does not have are dropped.
        for (int id : {-1, 4})
            model.setCurrentSecond(id, 3);
        QCoreApplication::processEvents();
        QCOMPARE(reported(), reportedBefore);
    }

    // A file that cannot be read or played says so in its row: duration column, tool tip and colour.
    void failedRows_data()
    {
        QTest::addColumn<QString>("file"); // "clip"; "cut": cut in its third record; "lost": its moov cut; else missing
        QTest::addColumn<QString>("playError"); // reported by the player: null none; before or after the row's report
        QTest::addColumn<bool>("errorFirst");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("resolution");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("readable") << "clip" << QString() << false << "00:00:10" << "1920 x 1080" << QString();
        QTest::newRow("missing") << "gone" << QString() << false << "" << "Cannot play" << "This file cannot be read: No such file or directory";
        QTest::newRow("play failed") << "clip" << "Internal data stream error." << false << "" << "Cannot play"
                                     << "This file cannot be played: Internal data stream error.";
        QTest::newRow("play failed before the walk ended") << "clip" << "Could not decode." << true << "" << "Cannot play"
                                                           << "This file cannot be played: Could not decode.";
        QTest::newRow("cut short, plays") << "cut" << QString() << false << "00:01:00" << "1920 x 1080"
                                          << "The file is cut short: 2 of 60 seconds of telemetry can be read";
        QTest::newRow("cut short, index lost") << "lost" << QString() << false << "" << "Cannot play"
                                               << "No video found in this file: it is damaged, cut short or not a video\n"
                                                  "The file is cut short: 4 seconds of telemetry could be recovered";
    }
    void failedRows()
    {
        QFETCH(QString, file);
        QFETCH(QString, playError);
        QFETCH(bool, errorFirst);
        QFETCH(QString, toolTip);
        const QString path = mDir.filePath("failed/" + file + ".MP4");
        QVERIFY(file != "clip" || !writeMp4("failed/clip.MP4", 10).isEmpty());
        const auto video = [] { return Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080); };
        const QByteArray cut = video().gps0(straightDrive(5)).bytes(), lost = video().gpsBox(straightDrive(5)).bytes();
        const QHash<QString, QByteArray> written{
            {"cut", cut.left(cut.size() - 311 - 200)}, {"lost", lost.left(lost.indexOf("moov") + 40)}};
        QFile made(path);
        QVERIFY(!written.contains(file) || (QDir().mkpath(mDir.filePath("failed")) && made.open(QIODevice::WriteOnly) && made.write(written[file]) > 0));
        made.close();
        PlaylistModel model;
        const int row = model.addFile(QUrl::fromLocalFile(path));
        if (errorFirst)
            model.setPlaybackFailure(row, playError);
        // The worker's report has come: a clip's duration, or any other file's failure.
        if (file == "clip")
            QTRY_COMPARE_WITH_TIMEOUT(model.rowAt(row)->duration, 10, 30000);
        else
            QTRY_VERIFY_WITH_TIMEOUT(!model.data(model.index(row, PlaylistModel::SizeColumn), Qt::ToolTipRole).isNull(), 30000);
        if (!playError.isNull() && !errorFirst)
            model.setPlaybackFailure(row, playError);
        QTEST(model.data(model.index(row, PlaylistModel::DurationColumn)).toString(), "duration");
        QTEST(model.data(model.index(row, PlaylistModel::ResolutionColumn)).toString(), "resolution");
        for (int column = 0; column < PlaylistModel::ColumnCount; ++column) {
            const QModelIndex cell = model.index(row, column);
            // The name's tool tip shows the name whole first.
            const QString name = file + ".MP4";
            const QString expected = column != PlaylistModel::FileNameColumn ? toolTip : toolTip.isEmpty() ? name : name + '\n' + toolTip;
            // A row of a trip sums its trip up first.
            if (column == PlaylistModel::TripColumn && model.tripOfRow(row) >= 0)
                QVERIFY(model.data(cell, Qt::ToolTipRole).toString().endsWith(expected));
            else
                QCOMPARE(model.data(cell, Qt::ToolTipRole).toString(), expected);
            // Failed rows stand out in every cell.
            QCOMPARE(model.data(cell, PlaylistModel::ProblemRole).toInt() != PlaylistModel::NoProblem, !toolTip.isEmpty());
        }
    }

    // One file, one row, whatever the spelling (the same name elsewhere is another file). A recording's files
    // differ only in the camera letter before the extension; stepping passes over the one playing beside.
    void rows_data()
    {
        using Rows = QList<int>;
        QTest::addColumn<QStringList>("files"); // under a/ and b/ and link.MP4 exist
        QTest::addColumn<Rows>("ids");          // the row each addFile() gives
        QTest::addColumn<int>("row");
        QTest::addColumn<Rows>("expected"); // its companion, next, previous; -1: none
        const QString clip = "a/CLIP0001.MP4";
        const QString f1 = "20261206_101500F.MP4", r1 = "20261206_101500R.MP4", f2 = "20261206_101600F.MP4", r2 = "20261206_101600R.MP4";
        QTest::newRow("other spelling") << QStringList{clip, "b/../a/./CLIP0001.MP4", clip} << Rows{0, 0, 0} << 0 << Rows{-1, -1, -1};
        QTest::newRow("symlink") << QStringList{clip, "link.MP4"} << Rows{0, 0} << 0 << Rows{-1, -1, -1};
        QTest::newRow("same name, other card") << QStringList{clip, "b/CLIP0001.MP4", clip} << Rows{0, 1, 0} << 1 << Rows{-1, -1, 0};
        QTest::newRow("missing file twice") << QStringList{"gone/X.MP4", "gone/../gone/X.MP4"} << Rows{0, 0} << 0 << Rows{-1, -1, -1};
        QTest::newRow("rear finds front, case ignored") << QStringList{"CAM0101F.MOV", "cam0101r.mov"} << Rows{0, 1} << 1 << Rows{0, -1, -1};
        QTest::newRow("other clip number is no pair") << QStringList{"CAM0102F.MOV", "CAM0101F.MOV", "CAM0101R.MOV"} << Rows{0, 1, 2} << 2 << Rows{1, -1, 0};
        QTest::newRow("a digit is no camera letter") << QStringList{"clip_001.MP4", "clip_002.MP4", "clip_00A.MP4"} << Rows{0, 1, 2} << 0 << Rows{-1, 1, -1};
        QTest::newRow("underscore before the letter") << QStringList{"2026_1015_F.MP4", "2026_1015_R.MP4"} << Rows{0, 1} << 0 << Rows{1, -1, -1};
        QTest::newRow("seven characters") << QStringList{"ABC.MP4", "ABC1.MP4"} << Rows{0, 1} << 0 << Rows{-1, 1, -1};
        QTest::newRow("next passes the own rear") << QStringList{f1, r1, f2, r2} << Rows{0, 1, 2, 3} << 0 << Rows{1, 2, -1};
        QTest::newRow("fronts listed before rears") << QStringList{f1, f2, r1, r2} << Rows{0, 1, 2, 3} << 1 << Rows{3, -1, 0};
        QTest::newRow("rear played, front beside it") << QStringList{f1, r1, f2} << Rows{0, 1, 2} << 1 << Rows{0, 2, -1};
        QTest::newRow("front finds rear, same name on another card skipped")
            << QStringList{"a/CAM0101F.MOV", "b/cam0101f.mov", "a/CAM0101R.MOV"} << Rows{0, 1, 2} << 0 << Rows{2, 1, -1};
    }

    void rows()
    {
        QFETCH(QStringList, files);
        QFETCH(int, row);
        QFETCH(QList<int>, expected);
        QVERIFY(!writeMp4("a/CLIP0001.MP4", 10).isEmpty() && !writeMp4("b/CLIP0001.MP4", 10).isEmpty());
        QVERIFY(QFile::exists(mDir.filePath("link.MP4")) || QFile::link(mDir.filePath("a/CLIP0001.MP4"), mDir.filePath("link.MP4")));
        PlaylistModel model;
        QList<int> ids;
        for (const QString &file : files)
            ids << model.addFile(urlOf(file));
        QTEST(ids, "ids");
        QCOMPARE(QList<int>({model.companionOf(row), model.nextRecording(row), model.previousRecording(row)}), expected);
        for (int unknown : {-1, int(files.size())})
            QCOMPARE(QList<int>({model.companionOf(unknown), model.nextRecording(unknown), model.previousRecording(unknown)}), QList<int>({-1, -1, -1}));
    }

    // Consecutive main-camera clips form a trip in any opening order; without telemetry by name or creation
    // time; the other camera's file goes with its main one, an unreadable one in none. Gap and unit as set.
    void trips()
    {
        const int gapSeconds = 120;
        const QStringList first{"20261206_101500F.MP4", "20261206_101600F.MP4", "20261206_101700F.MP4", "20261206_102000F.MP4"};
        const QList<QStringList> trips{first, {"clipE.MP4"}};
        const QDateTime at1015(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC);
        PlaylistModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setSpeedUnit(1);
        model.setTripSettings({gapSeconds, 0.35, 0.5});
        QSignalSpy built(&model, &PlaylistModel::tripsChanged);
        const QList<QUrl> urls{
            writeMinute("20261206_102000F.MP4", at1015.addSecs(300), 30),
            writeMinute("20261206_101500R.MP4", at1015, 50),  // before its front: the front still leads
            writeMinute("20261206_101500F.MP4", at1015, 50),
            writeMinute("20261206_101600F.MP4", at1015.addSecs(60), 80),
            writeMinute("20261206_101700F.MP4", at1015, -1),  // no telemetry: the name says when
            writeMinute("clipE.MP4", at1015, -1, at1015.addSecs(900)),
            QUrl::fromLocalFile(mDir.filePath("trips/20261206_101630F.MP4")),  // missing
        };
        QHash<QString, int> rowOf;
        for (const QUrl &url : urls) {
            QVERIFY(url.isValid());
            rowOf.insert(url.fileName(), model.addFile(url));
        }
        for (int row = 0; row < urls.size(); ++row)
            QTRY_VERIFY_WITH_TIMEOUT(model.trackOf(row), 30000);
        // Built with every track: each file of the trips is in one.
        for (const QStringList &files : trips)
            for (const QString &file : files)
                QTRY_VERIFY(model.tripOfRow(rowOf.value(file)) >= 0);
        QTRY_COMPARE(model.trips().size(), trips.size());
        // Built again once a turn, however many changes came in it.
        built.clear();
        for (int times = 0; times < 3; ++times)
            model.setTripSettings({gapSeconds, 0.35, 0.5});
        QCOMPARE(built.size(), 0);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(built.size(), 1);

        const auto cell = [&](const QString &file, int column, int role = Qt::DisplayRole) {
            return model.data(model.index(rowOf.value(file), column), role);
        };
        for (int trip = 0; trip < trips.size(); ++trip) {
            QStringList clips;
            for (int clip = 0; model.rowOfClip(trip, clip) >= 0; ++clip)
                clips << model.rowAt(model.rowOfClip(trip, clip))->fileName;
            QCOMPARE(clips, trips[trip]);
            for (const QString &file : trips[trip]) {
                QCOMPARE(model.tripOfRow(rowOf.value(file)), trip);
                QCOMPARE(cell(file, PlaylistModel::TripColumn).toString(), QString::number(trip + 1));
                // Every cell of the row knows its trip, for the row's shade.
                QCOMPARE(cell(file, PlaylistModel::SizeColumn, PlaylistModel::TripRole), QVariant(trip));
            }
        }
        QCOMPARE(model.tripOfRow(rowOf.value("20261206_101500R.MP4")), 0);
        QCOMPARE(model.tripOfRow(rowOf.value("20261206_101630F.MP4")), -1);
        const QString summary("Trip 1: 2026/12/06 10:15:00 to 10:21:00 (0:06:00), 0.0 mi, top speed 49 MPH, average moving speed 33 MPH");
        QCOMPARE(cell("20261206_101500F.MP4", PlaylistModel::TripColumn, Qt::ToolTipRole).toString(), summary);

        // Recorded: the camera's clock, else the video's creation time, else the name.
        QStringList recorded;
        for (const char *file : {"20261206_101600F.MP4", "clipE.MP4", "20261206_101630F.MP4"})
            recorded << cell(file, PlaylistModel::RecordedColumn).toString();
        QCOMPARE(recorded, QStringList({"2026/12/06 10:16:00", "2026/12/06 10:30:00", "2026/12/06 10:16:30"}));

        // A second's point, for a still's tags: none past the end or without telemetry.
        const TrackPoint point = model.pointOf(rowOf.value("20261206_101600F.MP4"), 30);
        QVERIFY(point.hasFix && point.second == 30 && point.speedKmh == 80.f);
        QCOMPARE(point.time(), at1015.addSecs(90));
        QVERIFY(!model.pointOf(rowOf.value("20261206_101600F.MP4"), 60).hasFix);
        QVERIFY(!model.pointOf(rowOf.value("20261206_101700F.MP4"), 30).hasFix);
    }

    void teardownDeliversNothing_data()
    {
        QTest::addColumn<bool>("serving");
        QTest::newRow("workers walking") << false;
        QTest::newRow("second requests flowing") << true;
    }
    // The last row is a pipe whose worker blocks in open() until a writer comes, inside the event processing
    // of the teardown: reports of the rows destroyed before are still queued then.
    void teardownDeliversNothing()
    {
        QFETCH(bool, serving);
        constexpr int rowCount = 100;
        const QByteArray gate = QFile::encodeName(mDir.filePath(QStringLiteral("GATE%1.MP4").arg(serving)));
        QCOMPARE(::mkfifo(gate.constData(), 0600), 0);
        auto *model = new PlaylistModel;
        bool tearingDown = false;
        int reports = 0, lateReports = 0;
        const auto count = [&] { tearingDown ? ++lateReports : ++reports; };
        connect(model, &QAbstractItemModel::modelAboutToBeReset, [&] { tearingDown = true; });
        connect(model, &QAbstractItemModel::dataChanged, count);
        connect(model, &PlaylistModel::gpsDataChanged, count);
        connect(model, &PlaylistModel::tripsChanged, count);
        for (int i = 0; i < rowCount; ++i)
            model->addFile(QUrl::fromLocalFile(writeMp4(QStringLiteral("teardown/T%1.MP4").arg(i), 60, 61)));
        QTimer requests, gateOpener;
        connect(&requests, &QTimer::timeout, [&, second = 0]() mutable {
            for (int row = 0; row < rowCount; ++row)
                model->setCurrentSecond(row, ++second % 60);
        });
        connect(model, &QObject::destroyed, &requests, &QTimer::stop);
        if (serving) {
            for (int row = 0; row < rowCount; ++row) // every row listed
                QTRY_VERIFY_WITH_TIMEOUT(model->rowAt(row)->duration != 0, 30000);
            const int listingReports = reports;
            requests.start(0);
            QTRY_VERIFY_WITH_TIMEOUT(reports > listingReports, 30000);
        }
        connect(&gateOpener, &QTimer::timeout, [&] {
            const int fd = ::open(gate.constData(), O_WRONLY | O_NONBLOCK); // fails until the worker waits in open()
            if (fd >= 0 && ::close(fd) == 0)
                gateOpener.stop();
        });
        model->addFile(QUrl::fromLocalFile(QFile::decodeName(gate)));
        gateOpener.start(0);
        delete model;
        QCoreApplication::processEvents();
        QCOMPARE(lateReports, 0);
    }
};

QTEST_GUILESS_MAIN(PlaylistModelTest)
#include "tst_playlistmodel.moc"
