#include "Configuration.h"
#include "IniFile.h"
#include "Setting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QPushButton>
#include <QtTest>

using Values = QVariantMap;

class SettingTest : public QObject
{
    Q_OBJECT
    QTemporaryDir mDir;
    QString mDefaultFolder;

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Vantrel V1.6 20200221"));
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // The default screenshot folder keeps its name when the version
        // in the application name changes.
        mDefaultFolder = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0, QDir::homePath())
                         + QStringLiteral("/Vantrel");
    }

    void storesOnlyOnSave_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QVector<int>>("chosen"); // language, maps, speed unit, several windows, still GPS tags; -1: as shown
        QTest::addColumn<QString>("folder"); // empty: as shown
        QTest::addColumn<QVariantList>("trip"); // gap, horizontal and vertical event; empty: as shown
        QTest::addColumn<QString>("button");
        QTest::addColumn<Values>("written");
        const Values old{{"language", 5}, {"maps", 0}, {"speedUnit", 1}, {"ScreenshotSavePath", "/old"}};
        const QVector<int> changes{4, 1, 0, 1, 1}, untouched{-1, -1, -1, -1, -1};
        const QVariantList tripChanges{300, 0.5, 1.25};
        // Saving untouched writes back what is shown, and leaves the implied service out.
        QTest::newRow("untouched, nothing stored") << Values() << untouched << QString() << QVariantList() << "pBtn_OK"
            << Values{{"language", 9}, {"speedUnit", 0}, {"ScreenshotSavePath", mDefaultFolder}, {"severalWindows", false},
                      {"stillGpsTags", false}, {"tripGapSeconds", 60}, {"horizontalEventG", 0.35}, {"verticalEventG", 0.5}};
        // Odd values show as the entry that behaves alike; an unlisted service stays as stored;
        // a threshold out of range is the nearest in range.
        QTest::newRow("untouched, odd values")
            << Values{{"language", 42}, {"maps", 4}, {"speedUnit", 7}, {"severalWindows", true}, {"stillGpsTags", true}, {"tripGapSeconds", "soon"},
                      {"verticalEventG", 99}}
            << untouched << QString() << QVariantList() << "pBtn_OK"
            << Values{{"language", 2}, {"maps", 4}, {"speedUnit", 1}, {"ScreenshotSavePath", mDefaultFolder}, {"severalWindows", true},
                      {"stillGpsTags", true}, {"tripGapSeconds", 60}, {"horizontalEventG", 0.35}, {"verticalEventG", 8}};
        QTest::newRow("everything changed") << old << changes << QStringLiteral("/new") << tripChanges << "pBtn_OK"
            << Values{{"language", 4}, {"maps", 1}, {"speedUnit", 0}, {"ScreenshotSavePath", "/new"}, {"severalWindows", true},
                      {"stillGpsTags", true}, {"tripGapSeconds", 300}, {"horizontalEventG", 0.5}, {"verticalEventG", 1.25}};
        QTest::newRow("cancel") << old << changes << QStringLiteral("/new") << tripChanges << "pBtn_Cancel" << old;
    }
    void storesOnlyOnSave()
    {
        QFETCH(Values, stored);
        QFETCH(QVector<int>, chosen);
        QFETCH(QString, folder);
        QFETCH(QVariantList, trip);
        QFETCH(QString, button);
        QFETCH(Values, written);
        const QString path = mDir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".ini");
        writeIni(path, stored);
        {
            Configuration configuration(path);
            Setting dialog(&configuration, nullptr);
            QSignalSpy languageUpdates(&configuration, &Configuration::updateLanguage);
            QSignalSpy mapsChanged(&configuration, &Configuration::mapsChanged);
            QSignalSpy tripChanged(&configuration, &Configuration::tripSettingsChanged);
            const char *const boxes[] = {"cBox_Language", "cBox_Maps", "cBox_SpeedUnit"};
            for (int i = 0; i < 3; ++i)
                if (chosen[i] >= 0)
                    dialog.findChild<QComboBox *>(boxes[i])->setCurrentIndex(chosen[i]);
            const char *const checks[] = {"chk_SeveralWindows", "chk_StillGpsTags"};
            for (int i = 0; i < 2; ++i)
                if (chosen[3 + i] >= 0)
                    dialog.findChild<QCheckBox *>(checks[i])->setChecked(chosen[3 + i]);
            if (!folder.isEmpty())
                dialog.applyChosenFolder(folder);
            if (!trip.isEmpty()) {
                dialog.findChild<QSpinBox *>("spin_TripGap")->setValue(trip[0].toInt());
                dialog.findChild<QDoubleSpinBox *>("dSpin_HorizontalEvent")->setValue(trip[1].toDouble());
                dialog.findChild<QDoubleSpinBox *>("dSpin_VerticalEvent")->setValue(trip[2].toDouble());
            }
            dialog.applyChosenFolder(QString()); // a cancelled folder chooser: the shown folder stays
            QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
            const bool saved = button == QLatin1String("pBtn_OK");
            QCOMPARE(dialog.result(), saved ? QDialog::Accepted : QDialog::Rejected);
            // Save applies the translation again, even when the language is the same.
            QCOMPARE(languageUpdates.count(), saved ? 1 : 0);
            QCOMPARE(mapsChanged.count(), saved && stored.value("maps") != written.value("maps") ? 1 : 0);
            // Each changed trip value is announced, so trips are built again.
            QCOMPARE(tripChanged.count(), saved ? trip.size() : 0);
        }
        QCOMPARE(readIni(path), written);
    }
};

QTEST_MAIN(SettingTest)
#include "tst_setting.moc"
