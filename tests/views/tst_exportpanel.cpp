#include "ExportPanel.h"

#include <QtTest>
#include <QtWidgets>

// The strip that follows exports: shown from the start of one to the end of
// the last, with the time left, the exports waiting and a cancel button.
class ExportPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void followsAnExport()
    {
        QWidget window;
        auto *panel = new ExportPanel(&window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(panel);
        window.resize(700, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!panel->isVisible());

        panel->showStarted("/videos/Trip_2026-12-06_10-15-00_00-01-20_00-02-20.mp4");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->fileText(), QString("Exporting Trip_2026-12-06_10-15-00_00-01-20_00-02-20.mp4"));
        QCOMPARE(panel->timeLeftText(), QString("Estimating"));
        QCOMPARE(panel->waitingText(), QString());

        panel->setProgress(0.256, 3725);
        QCOMPARE(panel->percent(), 25);
        QCOMPARE(panel->timeLeftText(), QString("1:02:05 left"));
        panel->setProgress(7.0, 65);
        QCOMPARE(panel->percent(), 100);
        QCOMPARE(panel->timeLeftText(), QString("1:05 left"));
        panel->setProgress(std::nan(""), -1);
        QCOMPARE(panel->percent(), 0);

        panel->setWaiting(2);
        QCOMPARE(panel->waitingText(), QString("2 waiting"));
        QSignalSpy cancels(panel, &ExportPanel::cancelRequested);
        QTest::mouseClick(panel->findChild<QPushButton *>("pBtn_CancelExport"), Qt::LeftButton);
        QCOMPARE(cancels.count(), 1);
        // The next export starts afresh.
        panel->showStarted("/videos/b.mp4");
        QCOMPARE(panel->timeLeftText(), QString("Estimating"));
        QCOMPARE(panel->percent(), 0);
        panel->setWaiting(0);
        QCOMPARE(panel->waitingText(), QString());
        panel->finish();
        QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(ExportPanelTest)
#include "tst_exportpanel.moc"
