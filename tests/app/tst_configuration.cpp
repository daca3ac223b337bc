#include "Configuration.h"
#include "LanguageList.h"

#include <QDir>
#include <QFile>
#include <QScopedPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>

class ConfigurationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void languageForLocale_data();
    void languageForLocale();
    void languageReadsOrDerives_data();
    void languageReadsOrDerives();
    void mapsFollowsLanguageUnlessStored_data();
    void mapsFollowsLanguageUnlessStored();
    void setMapsWritesOnlyChanges_data();
    void setMapsWritesOnlyChanges();
    void setLanguageAppliesCatalogue_data();
    void setLanguageAppliesCatalogue();
    void missingCatalogueChangesNothing();
    void foldersDefaultToUserFolders();
    void speedUnitReadsNumbersOnly_data();
    void speedUnitReadsNumbersOnly();
    void settersWriteTheirKeys();
    void fileGoesWhereItCanBeWritten_data();
    void fileGoesWhereItCanBeWritten();
    void fallbackFolderIsCreated();
    void readsFromAnotherThreadWhileWriting();
    void instanceIsSharedAndLivesOnTheMainThread();

private:
    QString filePath() const { return mDir->filePath(QStringLiteral("configuration.ini")); }
    Configuration *openConfiguration();
    void storeInFile(const QString &key, const QVariant &value);
    // What the file itself holds, once the deferred write has run.
    QVariant valueInFile(const QString &key) const;

    QScopedPointer<QTemporaryDir> mDir;
    QScopedPointer<Configuration> mConfiguration;
};

void ConfigurationTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel V1.6 20200221"));
    QStandardPaths::setTestModeEnabled(true);
}

void ConfigurationTest::init()
{
    mDir.reset(new QTemporaryDir);
    QVERIFY(mDir->isValid());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void ConfigurationTest::cleanup()
{
    mConfiguration.reset();
    mDir.reset();
}

Configuration *ConfigurationTest::openConfiguration()
{
    mConfiguration.reset(new Configuration(filePath()));
    return mConfiguration.data();
}

void ConfigurationTest::storeInFile(const QString &key, const QVariant &value)
{
    QSettings(filePath(), QSettings::IniFormat).setValue(key, value);
}

QVariant ConfigurationTest::valueInFile(const QString &key) const
{
    QCoreApplication::sendPostedEvents();
    return QSettings(filePath(), QSettings::IniFormat).value(key);
}

void ConfigurationTest::languageForLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("index");

    QTest::newRow("Chinese, China") << QLocale(QLocale::Chinese, QLocale::China) << 0;
    QTest::newRow("Chinese, Macau") << QLocale(QLocale::Chinese, QLocale::Macau) << 0;
    QTest::newRow("Chinese, Singapore") << QLocale(QLocale::Chinese, QLocale::Singapore) << 0;
    QTest::newRow("Chinese, Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << 1;
    QTest::newRow("Chinese, Hong Kong") << QLocale(QLocale::Chinese, QLocale::HongKong) << 1;
    QTest::newRow("English, US") << QLocale(QLocale::English, QLocale::UnitedStates) << 2;
    QTest::newRow("English, UK is never 3") << QLocale(QLocale::English, QLocale::UnitedKingdom) << 2;
    QTest::newRow("French, Canada") << QLocale(QLocale::French, QLocale::Canada) << 4;
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy) << 5;
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << 6;
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << 7;
    QTest::newRow("Russian, Ukraine") << QLocale(QLocale::Russian, QLocale::Ukraine) << 8;
    QTest::newRow("German, Austria") << QLocale(QLocale::German, QLocale::Austria) << 9;
    QTest::newRow("Spanish, Mexico") << QLocale(QLocale::Spanish, QLocale::Mexico) << 10;
    QTest::newRow("Portuguese, Brazil") << QLocale(QLocale::Portuguese, QLocale::Brazil) << 11;
    QTest::newRow("Korean") << QLocale(QLocale::Korean, QLocale::SouthKorea) << 12;
    QTest::newRow("unlisted: Swedish") << QLocale(QLocale::Swedish, QLocale::Sweden) << 2;
    QTest::newRow("unlisted: C") << QLocale::c() << 2;
}

void ConfigurationTest::languageForLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, index);
    QCOMPARE(LanguageList::indexForLocale(locale), index);
}

void ConfigurationTest::languageReadsOrDerives_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("language");

    // The process locale is German (index 9) in every row.
    QTest::newRow("absent: derived") << QVariant() << 9;
    QTest::newRow("13, not chosen: derived") << QVariant(13) << 9;
    QTest::newRow("chosen") << QVariant(5) << 5;
    QTest::newRow("English GB kept") << QVariant(3) << 3;
    QTest::newRow("outside the list, unchanged") << QVariant(20) << 20;
}

void ConfigurationTest::languageReadsOrDerives()
{
    QFETCH(QVariant, stored);
    QFETCH(int, language);
    if (stored.isValid())
        storeInFile(QStringLiteral("language"), stored);

    QCOMPARE(openConfiguration()->language(), language);
    QCOMPARE(valueInFile(QStringLiteral("language")), stored);
}

void ConfigurationTest::mapsFollowsLanguageUnlessStored_data()
{
    QTest::addColumn<QVariant>("language");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<MapTypes>("maps");

    QTest::newRow("German locale, nothing stored") << QVariant() << QVariant() << GoogleMap;
    QTest::newRow("Simplified Chinese") << QVariant(0) << QVariant() << BaiduMap;
    QTest::newRow("Traditional Chinese") << QVariant(1) << QVariant() << BaiduMap;
    QTest::newRow("English GB") << QVariant(3) << QVariant() << GoogleMap;
    QTest::newRow("stored beats language") << QVariant(0) << QVariant(1) << GoogleMap;
    QTest::newRow("not a number") << QVariant(4) << QVariant(QStringLiteral("abc")) << BaiduMap;
}

void ConfigurationTest::mapsFollowsLanguageUnlessStored()
{
    QFETCH(QVariant, language);
    QFETCH(QVariant, stored);
    QFETCH(MapTypes, maps);
    if (language.isValid())
        storeInFile(QStringLiteral("language"), language);
    if (stored.isValid())
        storeInFile(QStringLiteral("maps"), stored);

    QCOMPARE(openConfiguration()->maps(), maps);
    QCOMPARE(valueInFile(QStringLiteral("maps")), stored);
}

void ConfigurationTest::setMapsWritesOnlyChanges_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<MapTypes>("chosen");
    QTest::addColumn<bool>("changed");

    QTest::newRow("Chinese keeps Baidu") << 0 << BaiduMap << false;
    QTest::newRow("Chinese picks Google") << 0 << GoogleMap << true;
    QTest::newRow("French keeps Google") << 4 << GoogleMap << false;
    QTest::newRow("French picks Baidu") << 4 << BaiduMap << true;
}

void ConfigurationTest::setMapsWritesOnlyChanges()
{
    QFETCH(int, language);
    QFETCH(MapTypes, chosen);
    QFETCH(bool, changed);
    storeInFile(QStringLiteral("language"), language);
    Configuration *configuration = openConfiguration();
    QSignalSpy spy(configuration, &Configuration::mapsChanged);

    configuration->setMaps(chosen);

    QCOMPARE(spy.count(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(spy.first().first().value<MapTypes>(), chosen);
    QCOMPARE(valueInFile(QStringLiteral("maps")), changed ? QVariant(int(chosen)) : QVariant());
    QCOMPARE(configuration->maps(), chosen);
}

void ConfigurationTest::setLanguageAppliesCatalogue_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("portuguese");

    const QString english = QStringLiteral("(pt)Portuguese");
    const QString native = QStringLiteral("(pt)Português");
    QTest::newRow("Simplified Chinese") << 0 << QStringLiteral("文件名") << native;
    QTest::newRow("English US") << 2 << QStringLiteral("File Name") << english;
    QTest::newRow("English GB") << 3 << QStringLiteral("File Name") << english;
    QTest::newRow("German") << 9 << QStringLiteral("Dateiname") << native;
    QTest::newRow("Korean") << 12 << QStringLiteral("파일 이름") << native;
    QTest::newRow("outside the list") << 20 << QStringLiteral("File Name") << english;
}

void ConfigurationTest::setLanguageAppliesCatalogue()
{
    QFETCH(int, language);
    QFETCH(QString, header);
    QFETCH(QString, portuguese);
    Configuration *configuration = openConfiguration();
    configuration->setLanguage(4);
    QCOMPARE(QCoreApplication::translate("PlaylistModel", "File Name"), QStringLiteral("Nom du fichier"));
    QSignalSpy spy(configuration, &Configuration::updateLanguage);

    configuration->setLanguage(language);

    QCOMPARE(QCoreApplication::translate("PlaylistModel", "File Name"), header);
    QCOMPARE(LanguageList::displayText(11), portuguese);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(valueInFile(QStringLiteral("language")).toInt(), language);
    QCOMPARE(configuration->language(), language);
}

void ConfigurationTest::missingCatalogueChangesNothing()
{
    Configuration *configuration = openConfiguration();
    configuration->setLanguage(9);
    QSignalSpy spy(configuration, &Configuration::updateLanguage);

    Q_CLEANUP_RESOURCE(translations);
    configuration->setLanguage(4);
    Q_INIT_RESOURCE(translations);

    QCOMPARE(spy.count(), 0);
    QCOMPARE(valueInFile(QStringLiteral("language")).toInt(), 9);
    // The language in force stays whole.
    QCOMPARE(QCoreApplication::translate("PlaylistModel", "File Name"), QStringLiteral("Dateiname"));
    configuration->setLanguage(2);
}

void ConfigurationTest::foldersDefaultToUserFolders()
{
    const auto firstOf = [](QStandardPaths::StandardLocation location) {
        return QStandardPaths::standardLocations(location).value(0, QDir::homePath());
    };
    Configuration *configuration = openConfiguration();

    QCOMPARE(configuration->screenshotSavePath(),
             firstOf(QStandardPaths::PicturesLocation) + QStringLiteral("/Vantrel V1.6 20200221"));
    QCOMPARE(configuration->videoFilePath(), firstOf(QStandardPaths::MoviesLocation));
    QVERIFY(!QFile::exists(filePath()));
}

void ConfigurationTest::speedUnitReadsNumbersOnly_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("unit");

    QTest::newRow("absent") << QVariant() << 0;
    QTest::newRow("not a number") << QVariant(QStringLiteral("mph")) << 0;
    QTest::newRow("miles") << QVariant(1) << 1;
}

void ConfigurationTest::speedUnitReadsNumbersOnly()
{
    QFETCH(QVariant, stored);
    QFETCH(int, unit);
    if (stored.isValid())
        storeInFile(QStringLiteral("speedUnit"), stored);
    QCOMPARE(openConfiguration()->speedUnit(), unit);
}

void ConfigurationTest::settersWriteTheirKeys()
{
    Configuration *configuration = openConfiguration();
    configuration->setScreenshotSavePath(QStringLiteral("/data/shots"));
    configuration->setSpeedUnit(1);
    configuration->setVideoFilePath(QStringLiteral("/data/videos"));
    mConfiguration.reset();

    const QString text = [this] {
        QFile file(filePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    QVERIFY2(text.contains(QLatin1String("ScreenshotSavePath=/data/shots")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("speedUnit=1")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("videoFilePath=/data/videos")), qPrintable(text));
}

void ConfigurationTest::fileGoesWhereItCanBeWritten_data()
{
    QTest::addColumn<QString>("applicationDir");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable folder") << QString() << true;
    QTest::newRow("system folder") << QStringLiteral("/proc") << false;
    QTest::newRow("file in place of the folder") << QStringLiteral("file") << false;
    QTest::newRow("missing folder") << QStringLiteral("missing") << false;
}

void ConfigurationTest::fileGoesWhereItCanBeWritten()
{
    QFETCH(QString, applicationDir);
    QFETCH(bool, beside);
    if (applicationDir.isEmpty() || QDir::isRelativePath(applicationDir))
        applicationDir = mDir->filePath(applicationDir);
    QFile blocker(mDir->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString userDir = mDir->filePath(QStringLiteral("user"));

    const QString chosen = Configuration::filePathFor(applicationDir, userDir);

    QCOMPARE(chosen, (beside ? applicationDir : userDir) + QStringLiteral("/configuration.ini"));
    QCOMPARE(QDir(mDir->path()).entryList(QStringList() << QStringLiteral("configuration*")),
             QStringList());
}

void ConfigurationTest::fallbackFolderIsCreated()
{
    const QString userDir = mDir->filePath(QStringLiteral("config/Vantrel"));
    const QString path = Configuration::filePathFor(QStringLiteral("/proc"), userDir);
    {
        Configuration configuration(path);
        configuration.setSpeedUnit(1);
        QCoreApplication::sendPostedEvents();
        QVERIFY(QFile::exists(path));
    }
    QCOMPARE(Configuration(path).speedUnit(), 1);
}

void ConfigurationTest::readsFromAnotherThreadWhileWriting()
{
    Configuration *configuration = openConfiguration();
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
    QCOMPARE(valueInFile(QStringLiteral("ScreenshotSavePath")).toString(), first);
}

void ConfigurationTest::instanceIsSharedAndLivesOnTheMainThread()
{
    std::atomic<Configuration *> fromWorker{nullptr};
    QScopedPointer<QThread> worker(QThread::create([&] { fromWorker = Configuration::instance(); }));
    worker->start();
    QVERIFY(worker->wait());

    QCOMPARE(Configuration::instance(), fromWorker.load());
    QCOMPARE(Configuration::instance()->thread(), QCoreApplication::instance()->thread());
    QCOMPARE(Configuration::instance()->fileName(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/configuration.ini"));
}

QTEST_GUILESS_MAIN(ConfigurationTest)
#include "tst_configuration.moc"
