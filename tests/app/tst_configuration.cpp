#include "Configuration.h"
#include "IniFile.h"

#include <QtTest>

using Values = QVariantMap;

class ConfigurationTest : public QObject
{
    Q_OBJECT
    QString filePath() const { return mDir->filePath(QStringLiteral("configuration.ini")); }
    // What the file holds once the store's deferred write has run.
    Values fileContents() const { return QCoreApplication::sendPostedEvents(), readIni(filePath()); }

    QScopedPointer<QTemporaryDir> mDir;

private slots:
    void init() { mDir.reset(new QTemporaryDir); }

    void gettersReadOrDerive_data()
    {
        QTest::addColumn<QString>("locale"); // of the system, for a language not chosen
        QTest::addColumn<Values>("stored");
        QTest::addColumn<int>("language");
        QTest::addColumn<MapTypes>("maps");
        QTest::newRow("13 means not chosen") << "de_DE" << Values{{"language", 13}} << 9 << GoogleMap;
        QTest::newRow("Chinese, Hong Kong") << "zh_HK" << Values() << 1 << BaiduMap;
        QTest::newRow("English, UK is never 3") << "en_GB" << Values() << 2 << GoogleMap;
        QTest::newRow("stored service wins") << "de_DE" << Values{{"language", 0}, {"maps", 1}} << 0 << GoogleMap;
        QTest::newRow("numbers only") << "de_DE" << Values{{"maps", "abc"}, {"speedUnit", "mph"}} << 9 << BaiduMap;
    }
    void gettersReadOrDerive()
    {
        QFETCH(QString, locale);
        QFETCH(Values, stored);
        QFETCH(int, language);
        QFETCH(MapTypes, maps);
        QLocale::setDefault(QLocale(locale));
        writeIni(filePath(), stored);
        Configuration configuration(filePath());
        QCOMPARE(configuration.language(), language);
        QCOMPARE(configuration.maps(), maps);
        QCOMPARE(configuration.speedUnit(), 0);
        // A derived language reaches the file only through setLanguage.
        QCOMPARE(fileContents(), stored);
    }

    // A missing catalogue leaves the language in force whole, and stored.
    void setLanguageAppliesCatalogue_data()
    {
        QTest::addColumn<bool>("catalogueMissing");
        QTest::newRow("catalogue present") << false;
        QTest::newRow("catalogue missing") << true;
    }
    void setLanguageAppliesCatalogue()
    {
        QFETCH(bool, catalogueMissing);
        const auto fileName = [] { return QCoreApplication::translate("PlaylistModel", "File Name"); };
        Configuration configuration(filePath());
        configuration.setLanguage(4);
        QCOMPARE(fileName(), QStringLiteral("Nom du fichier"));
        QSignalSpy spy(&configuration, &Configuration::updateLanguage);
        if (catalogueMissing)
            Q_CLEANUP_RESOURCE(translations);
        configuration.setLanguage(0);
        if (catalogueMissing)
            Q_INIT_RESOURCE(translations);
        QCOMPARE(fileName(), catalogueMissing ? QStringLiteral("Nom du fichier") : QStringLiteral("文件名"));
        QCOMPARE(spy.count(), catalogueMissing ? 0 : 1);
        QCOMPARE(fileContents().value(QStringLiteral("language")).toInt(), catalogueMissing ? 4 : 0);
    }

    void fileGoesWhereItCanBeWritten_data()
    {
        QTest::addColumn<QString>("applicationDir"); // empty: a writable folder
        QTest::newRow("writable folder") << QString();
        QTest::newRow("system folder") << QStringLiteral("/proc");
    }
    void fileGoesWhereItCanBeWritten()
    {
        QFETCH(QString, applicationDir);
        const QString userDir = mDir->filePath(QStringLiteral("config/Vantrel"));
        const QString path = Configuration::filePathFor(applicationDir.isEmpty() ? mDir->path() : applicationDir, userDir);
        QCOMPARE(path, (applicationDir.isEmpty() ? mDir->path() : userDir) + QStringLiteral("/configuration.ini"));
        // The probe leaves nothing behind; the fallback folder is made when the file is first written.
        QCOMPARE(QDir(mDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        Configuration(path).setSpeedUnit(1);
        QCOMPARE(Configuration(path).speedUnit(), 1);
    }
};

QTEST_GUILESS_MAIN(ConfigurationTest)
#include "tst_configuration.moc"
