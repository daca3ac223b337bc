#include "Configuration.h"
#include "IniFile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

using Values = QVariantMap;

class ConfigurationTest : public QObject
{
    Q_OBJECT

    QString filePath() const { return mDir->filePath(QStringLiteral("configuration.ini")); }
    Configuration *open(const Values &stored = Values())
    {
        writeIni(filePath(), stored);
        mConfiguration.reset(new Configuration(filePath()));
        return mConfiguration.data();
    }
    // What the file holds once the store's deferred write has run.
    Values fileContents() const
    {
        QCoreApplication::sendPostedEvents();
        return readIni(filePath());
    }
    static QString fileName() { return QCoreApplication::translate("PlaylistModel", "File Name"); }

    QScopedPointer<QTemporaryDir> mDir;
    QScopedPointer<Configuration> mConfiguration;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        mConfiguration.reset();
        mDir.reset(new QTemporaryDir);
    }

    void gettersReadOrDerive_data()
    {
        QTest::addColumn<QString>("locale"); // of the system, for a language not chosen
        QTest::addColumn<Values>("stored");
        QTest::addColumn<int>("language");
        QTest::addColumn<MapTypes>("maps");
        QTest::addColumn<int>("speedUnit");
        QTest::newRow("13 means not chosen") << "de_DE" << Values{{"language", 13}} << 9 << GoogleMap << 0;
        QTest::newRow("Chinese, Hong Kong") << "zh_HK" << Values() << 1 << BaiduMap << 0;
        QTest::newRow("Chinese, Macau") << "zh_MO" << Values() << 0 << BaiduMap << 0;
        QTest::newRow("English, UK is never 3") << "en_GB" << Values() << 2 << GoogleMap << 0;
        QTest::newRow("unlisted: Swedish") << "sv_SE" << Values() << 2 << GoogleMap << 0;
        QTest::newRow("stored service wins") << "de_DE" << Values{{"language", 0}, {"maps", 1}} << 0 << GoogleMap << 0;
        QTest::newRow("numbers only") << "de_DE" << Values{{"maps", "abc"}, {"speedUnit", "mph"}} << 9 << BaiduMap << 0;
    }

    void gettersReadOrDerive()
    {
        QFETCH(QString, locale);
        QFETCH(Values, stored);
        QFETCH(int, language);
        QFETCH(MapTypes, maps);
        QFETCH(int, speedUnit);
        QLocale::setDefault(QLocale(locale));
        Configuration *configuration = open(stored);
        QCOMPARE(configuration->language(), language);
        QCOMPARE(configuration->maps(), maps);
        QCOMPARE(configuration->speedUnit(), speedUnit);
        // A derived language reaches the file only through setLanguage.
        QCOMPARE(fileContents(), stored);
    }

    void setLanguageAppliesCatalogue_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("catalogueMissing");
        QTest::addColumn<QString>("header");
        QTest::newRow("Chinese") << 0 << false << QStringLiteral("文件名");
        QTest::newRow("English GB") << 3 << false << QStringLiteral("File Name");
        // The French in force stays whole, and stays stored.
        QTest::newRow("catalogue missing") << 9 << true << QStringLiteral("Nom du fichier");
    }

    void setLanguageAppliesCatalogue()
    {
        QFETCH(int, language);
        QFETCH(bool, catalogueMissing);
        QFETCH(QString, header);
        Configuration *configuration = open();
        configuration->setLanguage(4);
        QCOMPARE(fileName(), QStringLiteral("Nom du fichier"));
        QSignalSpy spy(configuration, &Configuration::updateLanguage);
        if (catalogueMissing)
            Q_CLEANUP_RESOURCE(translations);
        configuration->setLanguage(language);
        if (catalogueMissing)
            Q_INIT_RESOURCE(translations);
        QCOMPARE(fileName(), header);
        QCOMPARE(spy.count(), catalogueMissing ? 0 : 1);
        QCOMPARE(fileContents().value(QStringLiteral("language")).toInt(), catalogueMissing ? 4 : language);
    }

    void fileGoesWhereItCanBeWritten_data()
    {
        QTest::addColumn<QString>("applicationDir");
        QTest::addColumn<bool>("beside");
        QTest::newRow("writable folder") << QString() << true;
        QTest::newRow("system folder") << QStringLiteral("/proc") << false;
        QTest::newRow("missing folder") << QStringLiteral("missing") << false;
    }

    void fileGoesWhereItCanBeWritten()
    {
        QFETCH(QString, applicationDir);
        QFETCH(bool, beside);
        if (QDir::isRelativePath(applicationDir))
            applicationDir = mDir->filePath(applicationDir);
        const QString userDir = mDir->filePath(QStringLiteral("config/Vantrel"));
        const QString path = Configuration::filePathFor(applicationDir, userDir);
        QCOMPARE(path, (beside ? applicationDir : userDir) + QStringLiteral("/configuration.ini"));
        // The probe leaves nothing behind.
        QCOMPARE(QDir(mDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        // The fallback folder is made when the file is first written.
        Configuration(path).setSpeedUnit(1);
        QCOMPARE(Configuration(path).speedUnit(), 1);
    }

    void readsFromAnotherThreadWhileWriting()
    {
        Configuration *configuration = open();
        const QString first = mDir->filePath(QStringLiteral("first"));
        const QString second = mDir->filePath(QStringLiteral("second"));
        configuration->setScreenshotSavePath(first);
        std::atomic<bool> writing{true};
        QStringList unexpected;
        QScopedPointer<QThread> reader(QThread::create([&] {
            while (writing) {
                const QString path = configuration->screenshotSavePath();
                if (path != first && path != second)
                    unexpected << path;
            }
        }));
        reader->start();
        for (int i = 0; i < 4000; ++i) {
            configuration->setScreenshotSavePath(i % 2 ? first : second);
            if (i % 16 == 0)
                QCoreApplication::processEvents(); // runs the deferred file write
        }
        writing = false;
        QVERIFY(reader->wait());
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char(','))));
        QCOMPARE(fileContents().value(QStringLiteral("ScreenshotSavePath")).toString(), first);
    }
};

QTEST_GUILESS_MAIN(ConfigurationTest)
#include "tst_configuration.moc"
