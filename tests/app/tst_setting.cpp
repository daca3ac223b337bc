#include "Configuration.h"
#include "IniFile.h"
#include "Setting.h"

#include <QCheckBox>
#include <QComboBox>
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
        QTest::addColumn<QVector<int>>("chosen"); // language, maps, speed unit, several windows; -1: as shown
        QTest::addColumn<QString>("folder"); // empty: as shown
        QTest::addColumn<QString>("button");
        QTest::addColumn<Values>("written");
        const Values old{{"language", 5}, {"maps", 0}, {"speedUnit", 1}, {"ScreenshotSavePath", "/old"}};
        const QVector<int> changes{4, 1, 0, 1}, untouched{-1, -1, -1, -1};
        // Saving untouched writes back what is shown, and leaves the implied service out.
        QTest::newRow("untouched, nothing stored") << Values() << untouched << QString() << "pBtn_OK"
            << Values{{"language", 9}, {"speedUnit", 0}, {"ScreenshotSavePath", mDefaultFolder}, {"severalWindows", false}};
        // Odd values show as the entry that behaves alike; an unlisted service stays as stored.
        QTest::newRow("untouched, odd values") << Values{{"language", 42}, {"maps", 4}, {"speedUnit", 7}, {"severalWindows", true}}
            << untouched << QString() << "pBtn_OK"
            << Values{{"language", 2}, {"maps", 4}, {"speedUnit", 1}, {"ScreenshotSavePath", mDefaultFolder}, {"severalWindows", true}};
        QTest::newRow("everything changed") << old << changes << QStringLiteral("/new") << "pBtn_OK"
            << Values{{"language", 4}, {"maps", 1}, {"speedUnit", 0}, {"ScreenshotSavePath", "/new"}, {"severalWindows", true}};
        QTest::newRow("cancel") << old << changes << QStringLiteral("/new") << "pBtn_Cancel" << old;
    }
    void storesOnlyOnSave()
    {
        QFETCH(Values, stored);
        QFETCH(QVector<int>, chosen);
        QFETCH(QString, folder);
        QFETCH(QString, button);
        QFETCH(Values, written);
        const QString path = mDir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".ini");
        writeIni(path, stored);
        {
            Configuration configuration(path);
            Setting dialog(&configuration, nullptr);
            QSignalSpy languageUpdates(&configuration, &Configuration::updateLanguage);
            QSignalSpy mapsChanged(&configuration, &Configuration::mapsChanged);
            const char *const boxes[] = {"cBox_Language", "cBox_Maps", "cBox_SpeedUnit"};
            for (int i = 0; i < 3; ++i)
                if (chosen[i] >= 0)
                    dialog.findChild<QComboBox *>(boxes[i])->setCurrentIndex(chosen[i]);
            if (chosen[3] >= 0)
                dialog.findChild<QCheckBox *>("chk_SeveralWindows")->setChecked(chosen[3]);
            if (!folder.isEmpty())
                dialog.applyChosenFolder(folder);
            dialog.applyChosenFolder(QString()); // a cancelled folder chooser: the shown folder stays
            QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
            const bool saved = button == QLatin1String("pBtn_OK");
            QCOMPARE(dialog.result(), saved ? QDialog::Accepted : QDialog::Rejected);
            // Save applies the translation again, even when the language is the same.
            QCOMPARE(languageUpdates.count(), saved ? 1 : 0);
            QCOMPARE(mapsChanged.count(), saved && stored.value("maps") != written.value("maps") ? 1 : 0);
        }
        QCOMPARE(readIni(path), written);
    }
};

QTEST_MAIN(SettingTest)
#include "tst_setting.moc"
