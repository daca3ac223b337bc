#include "ExportPanel.h"

#include <QtTest>

// The strip that follows exports: shown from the start of one to the end of the last, with the time left
// (the waiting count and Cancel: tst_export::cancelsFromTheStrip).
class ExportPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void followsAnExport()
    {
        ExportPanel panel;
        panel.showStarted("/videos/a b.mp4");
        QCOMPARE(panel.fileText(), QString("Exporting a b.mp4"));
        QCOMPARE(panel.timeLeftText(), QString("Estimating"));
        panel.setProgress(0.256, 3725);
        QCOMPARE(panel.percent(), 25);
        QCOMPARE(panel.timeLeftText(), QString("1:02:05 left"));
        panel.setProgress(7.0, 65); // never past the end
        QCOMPARE(panel.percent(), 100);
        panel.setProgress(std::nan(""), -1);
        QCOMPARE(panel.percent(), 0);
        panel.showStarted("/videos/b.mp4"); // the next export starts afresh
        QCOMPARE(panel.timeLeftText(), QString("Estimating"));
        QVERIFY(!panel.isHidden());
        panel.finish();
        QVERIFY(panel.isHidden());
    }
};

QTEST_MAIN(ExportPanelTest)
#include "tst_exportpanel.moc"
