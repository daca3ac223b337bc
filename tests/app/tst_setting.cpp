#include "Configuration.h"
#include "IniFile.h"
#include "Setting.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using Values = QVariantMap;

class SettingTest : public QObject
{
    Q_OBJECT

    QString filePath() const { return mDir.filePath(QStringLiteral("configuration.ini")); }
    // Stores `values` in a fresh file and opens the dialog on it.
    Setting *openDialog(const Values &values = Values())
    {
        closeDialog();
        QFile::remove(filePath());
        writeIni(filePath(), values);
        mConfiguration.reset(new Configuration(filePath()));
        mDialog.reset(new Setting(mConfiguration.data(), nullptr));
        return mDialog.data();
    }
    void closeDialog()
    {
        mDialog.reset();
        mConfiguration.reset();
    }
    template<typename T = QComboBox> T *child(const char *name) const { return mDialog->findChild<T *>(name); }

    const char *const mBoxes[3] = {"cBox_Language", "cBox_Maps", "cBox_SpeedUnit"};
    QTemporaryDir mDir;
    QScopedPointer<Configuration> mConfiguration;
    QScopedPointer<Setting> mDialog;
    QString mDefaultFolder;

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Vantrel V1.6 20200221"));
        QStandardPaths::setTestModeEnabled(true);
        // The language the store derives when none is stored: German, index 9.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        mDefaultFolder = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation)
                             .value(0, QDir::homePath())
                         + QStringLiteral("/Vantrel V1.6 20200221");
    }

    void cleanup() { closeDialog(); }

    void storesOnlyOnSave_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<QVector<int>>("chosen"); // language, maps, speed unit; -1: as shown
        QTest::addColumn<QString>("folder"); // empty: as shown
        QTest::addColumn<QString>("button"); // empty: the Escape key
        QTest::addColumn<Values>("written");
        QTest::addColumn<int>("mapsChanges");
        const Values old{{"language", 5}, {"maps", 0}, {"speedUnit", 1}, {"ScreenshotSavePath", "/old"}};
        const QVector<int> changes{4, 1, 0};
        const QString save = QStringLiteral("pBtn_OK");
        // Saving untouched writes back what is shown, and leaves the implied service out.
        const QVector<int> untouched{-1, -1, -1};
        QTest::newRow("untouched, nothing stored") << Values() << untouched << QString() << save
            << Values{{"language", 9}, {"speedUnit", 0}, {"ScreenshotSavePath", mDefaultFolder}} << 0;
        QTest::newRow("untouched, every key stored") << old << untouched << QString() << save << old << 0;
        // Values no entry holds are shown as the entry that behaves alike; a
        // service no entry shows is kept as stored.
        QTest::newRow("untouched, odd values") << Values{{"language", 42}, {"maps", 4}, {"speedUnit", 7}}
            << untouched << QString() << save
            << Values{{"language", 2}, {"maps", 4}, {"speedUnit", 1}, {"ScreenshotSavePath", mDefaultFolder}} << 0;
        QTest::newRow("everything changed") << old << changes << QStringLiteral("/new") << save
            << Values{{"language", 4}, {"maps", 1}, {"speedUnit", 0}, {"ScreenshotSavePath", "/new"}} << 1;
        QTest::newRow("other service than implied") << Values{{"language", 0}} << QVector<int>{-1, 1, -1} << "/x"
            << save << Values{{"language", 0}, {"maps", 1}, {"speedUnit", 0}, {"ScreenshotSavePath", "/x"}} << 1;
        QTest::newRow("cancel") << old << changes << QStringLiteral("/new") << "pBtn_Cancel" << old << 0;
        QTest::newRow("close") << old << changes << QStringLiteral("/new") << "pBtn_Close" << old << 0;
        QTest::newRow("escape") << old << changes << QStringLiteral("/new") << QString() << old << 0;
    }

    void storesOnlyOnSave()
    {
        QFETCH(Values, stored);
        QFETCH(QVector<int>, chosen);
        QFETCH(QString, folder);
        QFETCH(QString, button);
        QFETCH(Values, written);
        QFETCH(int, mapsChanges);
        Setting *dialog = openDialog(stored);
        QSignalSpy languageUpdates(mConfiguration.data(), &Configuration::updateLanguage);
        QSignalSpy mapsChanged(mConfiguration.data(), &Configuration::mapsChanged);
        for (int i = 0; i < 3; ++i) {
            if (chosen[i] >= 0)
                child(mBoxes[i])->setCurrentIndex(chosen[i]);
        }
        if (!folder.isEmpty())
            dialog->applyChosenFolder(folder);
        // A cancelled folder chooser answers nothing, and the shown folder stays.
        dialog->applyChosenFolder(QString());
        if (button.isEmpty())
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(qPrintable(button)), Qt::LeftButton);
        const bool saved = dialog->result() == QDialog::Accepted;
        QCOMPARE(saved, button == QLatin1String("pBtn_OK"));
        // Save applies the translation again, even when the language is the same.
        QCOMPARE(languageUpdates.count(), saved ? 1 : 0);
        QCOMPARE(mapsChanged.count(), mapsChanges);
        closeDialog();
        QCOMPARE(readIni(filePath()), written);
    }
};

QTEST_MAIN(SettingTest)
#include "tst_setting.moc"
