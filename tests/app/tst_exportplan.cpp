#include "ExportDialog.h"
#include "ExportPlanner.h"
#include "TripRangeMarks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QtTest>

namespace {

// A trip of three clips: A 0-60 s, B 60-120 s, then a gap, C 130-150 s; A and
// B with their rear camera's files. A's track runs two seconds into B.
QVector<ExportPlanner::Source> sampleTrip()
{
    QVector<ExportPlanner::Source> sources(3);
    const int offsets[] = {0, 60, 130}, durations[] = {62, 60, 20};
    for (int i = 0; i < 3; ++i) {
        sources[i].mainPath = QString("/card/%1F.MP4").arg(QChar('A' + i));
        sources[i].companionPath = i < 2 ? QString("/card/%1R.MP4").arg(QChar('A' + i)) : QString();
        sources[i].offsetSeconds = offsets[i];
        sources[i].durationSeconds = durations[i];
        sources[i].track.resize(durations[i]);
    }
    return sources;
}

using Shares = QList<QList<int>>; // per clip: index in the trip, from, to

Shares sharesOf(const QVector<ExportClip> &clips)
{
    Shares shares;
    for (const ExportClip &clip : clips)
        shares.append({clip.mainPath.mid(6, 1).at(0).unicode() - 'A', clip.fromSecond, clip.toSecond});
    return shares;
}

} // namespace

Q_DECLARE_METATYPE(Shares)

class ExportPlanTest : public QObject
{
    Q_OBJECT

private slots:
    // Each clip's share of a stretch, in the clip's own seconds.
    void sharesOfTheClips_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<Shares>("shares");
        QTest::newRow("inside one clip") << 10 << 25 << Shares{{0, 10, 25}};
        QTest::newRow("across a clip boundary") << 50 << 75 << Shares{{0, 50, 60}, {1, 0, 15}};
        QTest::newRow("across the gap, which is left out") << 110 << 140 << Shares{{1, 50, 60}, {2, 0, 10}};
        QTest::newRow("within the gap") << 121 << 129 << Shares{};
        QTest::newRow("beyond the end") << 145 << 999999 << Shares{{2, 15, 20}};
        QTest::newRow("empty") << 30 << 30 << Shares{};
        QTest::newRow("extreme numbers") << -2147483647 << 2147483647 << Shares{{0, 0, 60}, {1, 0, 60}, {2, 0, 20}};
    }
    void sharesOfTheClips()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(Shares, shares);
        const QVector<ExportClip> clips = ExportPlanner::clipsForRange(sampleTrip(), from, to);
        QCOMPARE(sharesOf(clips), shares);
        for (const ExportClip &clip : clips)
            QCOMPARE(clip.track.size(), sampleTrip()[clip.mainPath.mid(6, 1).at(0).unicode() - 'A'].durationSeconds);
    }

    // The marks in the order the user sets them; the end takes in the second it is set at.
    void marks_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("in, then out") << QStringList{"i12", "o44"} << 12 << 45;
        QTest::newRow("both at one second") << QStringList{"i30", "o30"} << 30 << 31;
        QTest::newRow("in after the out drops the out") << QStringList{"o20", "i25"} << 25 << -1;
        QTest::newRow("out before the in drops the in") << QStringList{"i25", "o10"} << -1 << 11;
        QTest::newRow("another trip drops both") << QStringList{"i5", "o9", "t2"} << -1 << -1;
        QTest::newRow("the same drive numbered anew keeps them") << QStringList{"i5", "o9", "s3"} << 5 << 10;
        QTest::newRow("no trip, no marks") << QStringList{"t-1", "i5", "o9"} << -1 << -1;
        QTest::newRow("no playing second") << QStringList{"i-1", "o-1"} << -1 << -1;
    }
    void marks()
    {
        QFETCH(QStringList, steps);
        TripRangeMarks marks;
        marks.setTrip(0, 1000);
        QSignalSpy changes(&marks, &TripRangeMarks::changed);
        for (const QString &step : steps) {
            const int value = step.mid(1).toInt();
            switch (step.at(0).toLatin1()) {
            case 'i': marks.markIn(value); break;
            case 'o': marks.markOut(value); break;
            case 't': marks.setTrip(value, 2000); break;  // another drive
            case 's': marks.setTrip(value, 1000); break;  // the same drive
            }
        }
        QTEST(marks.from(), "from");
        QTEST(marks.to(), "to");
        QCOMPARE(marks.isComplete(), marks.from() >= 0 && marks.to() >= 0);
        if (!changes.isEmpty())
            QCOMPARE(changes.last(), (QList<QVariant>{marks.from(), marks.to()}));
    }

    // The dialog proposes the file in the folder given, offers the two-camera
    // layouts only when every clip has its second camera, and hands back
    // what is chosen with the clips it was given.
    void dialogBuildsTheRequest_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("twoCameras");
        QTest::newRow("clips with companions") << 50 << 75 << true;
        QTest::newRow("a clip without") << 110 << 140 << false;
    }
    void dialogBuildsTheRequest()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, twoCameras);
        QTemporaryDir folder;
        ExportRequest draft;
        draft.clips = ExportPlanner::clipsForRange(sampleTrip(), from, to);
        draft.milesPerHour = true;
        const qint64 start = QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch();
        ExportDialog dialog;
        dialog.setStretch(draft, start, from, to, folder.path());
        auto *file = dialog.findChild<QLineEdit *>("lEdit_File");
        QVERIFY(file->text().startsWith(folder.filePath("Trip_2026-12-06_10-15-00_00-")));
        auto *layouts = dialog.findChild<QComboBox *>("cBox_Layout");
        const auto *items = qobject_cast<QStandardItemModel *>(layouts->model());
        QCOMPARE(items->item(int(ExportLayout::SideBySide))->isEnabled(), twoCameras);
        QCOMPARE(items->item(int(ExportLayout::PictureInPicture))->isEnabled(), twoCameras);

        layouts->setCurrentIndex(twoCameras ? int(ExportLayout::PictureInPicture) : int(ExportLayout::MainOnly));
        dialog.findChild<QComboBox *>("cBox_Quality")->setCurrentIndex(int(ExportQuality::High));
        dialog.findChild<QCheckBox *>("chk_Sound")->setChecked(false);
        file->setText(folder.filePath("evidence"));
        const ExportRequest request = dialog.request();
        QCOMPARE(request.outputPath, folder.filePath("evidence.mp4"));
        QCOMPARE(request.layout, twoCameras ? ExportLayout::PictureInPicture : ExportLayout::MainOnly);
        QVERIFY(request.quality == ExportQuality::High && request.overlay && !request.sound && request.milesPerHour);
        QCOMPARE(sharesOf(request.clips), sharesOf(draft.clips));
        QCOMPARE(request.durationSeconds(), to - from - (twoCameras ? 0 : 10));
        // A folder not there yet is made when the user accepts.
        file->setText(folder.filePath("new/deeper/stop"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFileInfo(folder.filePath("new/deeper")).isDir());
    }

    void typedPaths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("path");
        QTest::newRow("without an ending") << "/v/stop" << "/v/stop.mp4";
        QTest::newRow("another ending") << "/v/stop.avi" << "/v/stop.avi.mp4";
        QTest::newRow("spaces around") << "  /v/a b  " << "/v/a b.mp4";
        QTest::newRow("relative") << "stop.mp4" << QDir::current().filePath("stop.mp4");
        QTest::newRow("nothing") << "   " << "";
    }
    void typedPaths()
    {
        QFETCH(QString, typed);
        QTEST(ExportDialog::normalisedPath(typed), "path");
    }
};

QTEST_MAIN(ExportPlanTest)
#include "tst_exportplan.moc"
