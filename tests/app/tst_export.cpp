#include "WindowSuite.h"

#include "Configuration.h"
#include "ExportPanel.h"
#include "ExportPlanner.h"
#include "ExportQueue.h"
#include "FfprobeQuery.h"
#include "LanguageList.h"
#include "NoticeBar.h"
#include "PlaylistModel.h"
#include "TripTimeline.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

constexpr int timeout = 30000;
constexpr int exportTimeout = 240000;
constexpr int clipSeconds = 20;
const char *const stems[] = {"20261206_101500", "20261206_101520"};

} // namespace

// The user's side of exporting a stretch, in the real window on an X server:
// marking it with the keys across two clips, the dialog, the progress strip,
// the finished file as ffprobe reads it, cancelling, a failure told with its
// reason, and closing the window during an export.
class ExportTest : public WindowSuite
{
    Q_OBJECT
    QTemporaryDir mClips;
    QTemporaryDir mOut;

    PlaylistModel *model() const { return mWindow->findChild<PlaylistModel *>(); }
    TripTimeline *timeline() const { return child<TripTimeline>("wgt_TripTimeline"); }
    ExportPanel *panel() const { return child<ExportPanel>("wgt_ExportPanel"); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    ExportQueue *exports() const { return mWindow->exports(); }
    QStringList notices() const { return child<NoticeBar>("wgt_Notices")->texts(); }
    QStringList outputFiles() const { return QDir(mOut.path()).entryList(QDir::Files | QDir::Hidden); }

    // The trip paused at `tripSecond`; the second it really stopped at.
    int pauseAt(int tripSecond)
    {
        playback()->seekInTrip(0, tripSecond);
        if (!QTest::qWaitFor([&] { return qAbs(playback()->currentTripSecond() - tripSecond) <= 1; }, timeout) || !waitUntilPlaying())
            return -1;
        playback()->pause();
        QTest::qWait(300);
        return playback()->currentTripSecond();
    }
    // Runs `act` on the dialog or message box of type T once it is open.
    template<class T> void whenOpen(std::function<void(T *)> act)
    {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, act] {
            if (auto *open = qobject_cast<T *>(QApplication::activeModalWidget())) {
                poll->deleteLater();
                act(open);
            }
        });
        poll->start(50);
    }
    void answerQuestion(QMessageBox::StandardButton answer)
    {
        whenOpen<QMessageBox>([answer](QMessageBox *box) { box->button(answer)->click(); });
    }
    // A two-camera request for the whole marked stretch, written to `name`.
    void enqueue(const QString &name)
    {
        ExportRequest request = ExportPlanner::request(*model(), 0, timeline()->rangeFrom(), timeline()->rangeTo());
        request.layout = ExportLayout::SideBySide;
        request.outputPath = mOut.filePath(name);
        exports()->enqueue(request);
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        for (int clip = 0; clip < 2; ++clip)
            for (bool rear : {false, true})
                QVERIFY(makeRecording(mClips.path(), stems[clip], 1, clip * clipSeconds, clipSeconds, rear));
        Configuration::instance()->setScreenshotSavePath(mOut.path());
        Configuration::instance()->setLanguage(LanguageList::english);
        QVERIFY(showWindow());
        QList<QUrl> urls;
        for (const char *stem : stems)
            urls << QUrl::fromLocalFile(mClips.filePath(QString(stem) + "F.MP4"))
                 << QUrl::fromLocalFile(mClips.filePath(QString(stem) + "R.MP4"));
        mWindow->openLaunchFiles(urls);
        QTRY_VERIFY_WITH_TIMEOUT(model()->trips().size() == 1 && model()->trips()[0].clips.size() == 2, timeout);
        QTRY_VERIFY_WITH_TIMEOUT(timeline()->isVisible() && timeline()->trip().clips.size() == 2, timeout);
    }

    // I and O mark the paused seconds across the clips' boundary, the dialog
    // exports both cameras side by side with the overlay and the sound, and
    // the file holds exactly that stretch (its pictures and sound are checked
// with the export job).
    void marksWithTheKeysAndExports()
    {
        QVERIFY(!button("pBtn_Export")->isEnabled());
        const int from = pauseAt(12);
        QVERIFY(from >= 11 && from <= 13);
        QVERIFY(pressKey("i"));
        QTRY_COMPARE(timeline()->rangeFrom(), from);
        QVERIFY(!button("pBtn_Export")->isEnabled());
        const int last = pauseAt(27);
        QVERIFY(last > clipSeconds);
        QVERIFY(pressKey("o"));
        QTRY_COMPARE(timeline()->rangeTo(), last + 1);
        QVERIFY(button("pBtn_Export")->isEnabled());
        const int seconds = last + 1 - from;

        // In the dialog, typing an "i" is text, not a mark.
        bool filled = false;
        whenOpen<QDialog>([&](QDialog *dialog) {
            auto *file = dialog->findChild<QLineEdit *>("lEdit_File");
            dialog->activateWindow();
            if (!QTest::qWaitForWindowActive(dialog)) {
                qWarning("the export dialog never became active");
                return dialog->reject();
            }
            file->setText(mOut.filePath("stop"));
            file->end(false);
            // Typed as a user types: into the field under the pointer.
            if (!clickAt(file->mapToGlobal(file->rect().center())) || !QTest::qWaitFor([file] { return file->hasFocus(); }, timeout)
                || !pressKey("i") || !QTest::qWaitFor([file] { return file->text().endsWith("i"); }, timeout)) {
                qWarning() << "typed into the dialog:" << file->text() << "focus:" << QApplication::focusWidget();
                return dialog->reject();
            }
            dialog->findChild<QComboBox *>("cBox_Layout")->setCurrentIndex(int(ExportLayout::SideBySide));
            dialog->findChild<QComboBox *>("cBox_Quality")->setCurrentIndex(int(ExportQuality::Compact));
            dialog->findChild<QCheckBox *>("chk_Overlay")->setChecked(true);
            dialog->findChild<QCheckBox *>("chk_Sound")->setChecked(true);
            filled = true;
            dialog->findChild<QPushButton *>("pBtn_Export")->click();
        });
        QSignalSpy finished(exports(), &ExportQueue::finished);
        button("pBtn_Export")->click();
        QVERIFY(filled);
        QCOMPARE(timeline()->rangeFrom(), from);
        QVERIFY(exports()->isBusy());
        QVERIFY(panel()->isVisible());
        QVERIFY(panel()->fileText().contains("stopi.mp4"));
        QVERIFY(finished.wait(exportTimeout) || !finished.isEmpty());
        QVERIFY2(finished.at(0).at(1).toBool(), qPrintable(finished.at(0).at(2).toString()));
        QTRY_VERIFY(!panel()->isVisible());
        const QString output = mOut.filePath("stopi.mp4");
        QCOMPARE(finished.at(0).at(0).toString(), output);
        QVERIFY(notices().join("\n").contains(QDir::toNativeSeparators(output)));

        const QJsonObject probed = probe(output);
        const double duration = probed.value("format").toObject().value("duration").toString().toDouble();
        QVERIFY2(qAbs(duration - seconds) <= 0.5, qPrintable(QString("%1 s for %2 s").arg(duration).arg(seconds)));
    }

    // Exports queue; the strip counts those waiting and its Cancel stops the
    // running one, whose file is never written.
    void cancelsFromTheStrip()
    {
        QVERIFY(timeline()->rangeTo() > timeline()->rangeFrom());
        const QStringList before = outputFiles();
        QSignalSpy started(exports(), &ExportQueue::started);
        QSignalSpy finished(exports(), &ExportQueue::finished);
        enqueue("first.mp4");
        enqueue("second.mp4");
        QTRY_COMPARE(panel()->waitingText(), QString("1 waiting"));
        QVERIFY(panel()->isVisible());
        QTest::mouseClick(panel()->findChild<QPushButton *>("pBtn_CancelExport"), Qt::LeftButton);
        QTRY_COMPARE(started.count(), 2);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!finished.at(0).at(1).toBool());
        QTRY_COMPARE(panel()->waitingText(), QString());
        QTest::mouseClick(panel()->findChild<QPushButton *>("pBtn_CancelExport"), Qt::LeftButton);
        QTRY_VERIFY(!exports()->isBusy());
        QTRY_VERIFY(!panel()->isVisible());
        QCOMPARE(outputFiles(), before);
    }

    // A folder that cannot take the file: the notice gives the reason.
    void failureIsToldWithItsReason()
    {
        QSignalSpy finished(exports(), &ExportQueue::finished);
        enqueue("stopi.mp4/inside-a-file.mp4");
        QVERIFY(finished.wait(timeout) || !finished.isEmpty());
        QVERIFY(!finished.at(0).at(1).toBool());
        const QString reason = finished.at(0).at(2).toString();
        QVERIFY(!reason.isEmpty());
        QVERIFY2(notices().join("\n").contains(reason), qPrintable(notices().join("\n")));
        QTRY_VERIFY(!panel()->isVisible());
    }

    // Closing during an export asks first; "No" keeps it running, "Yes"
    // cancels it and leaves no file behind.
    void closingDuringAnExportAsks()
    {
        const QStringList before = outputFiles();
        QSignalSpy started(exports(), &ExportQueue::started);
        enqueue("closing.mp4");
        QVERIFY(started.count() == 1 || started.wait(timeout));
        answerQuestion(QMessageBox::No);
        QVERIFY(!mWindow->close());
        QVERIFY(mWindow->isVisible());
        QVERIFY(exports()->isBusy());
        answerQuestion(QMessageBox::Yes);
        QVERIFY(mWindow->close());
        QVERIFY(!mWindow->isVisible());
        QVERIFY(!exports()->isBusy());
        QTest::qWait(500);
        QCOMPARE(outputFiles(), before);
    }
};

VANTREL_WINDOW_TEST_MAIN(ExportTest)
#include "tst_export.moc"
