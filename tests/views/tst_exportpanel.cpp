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

        // The waiting count and Cancel: tst_export::cancelsFromTheStrip.
        panel->showStarted("/videos/a b.mp4");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->fileText(), QString("Exporting a b.mp4"));
        QCOMPARE(panel->timeLeftText(), QString("Estimating"));
        panel->setProgress(0.256, 3725);
        QCOMPARE(panel->percent(), 25);
        QCOMPARE(panel->timeLeftText(), QString("1:02:05 left"));
        panel->setProgress(7.0, 65); // never past the end
        QCOMPARE(panel->percent(), 100);
        panel->setProgress(std::nan(""), -1);
        QCOMPARE(panel->percent(), 0);
        // The next export starts afresh.
        panel->showStarted("/videos/b.mp4");
        QCOMPARE(panel->timeLeftText(), QString("Estimating"));
        panel->finish();
        QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(ExportPanelTest)
#include "tst_exportpanel.moc"
