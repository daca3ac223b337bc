#include "Configuration.h"
#include "IniFile.h"

#include <QtTest>

using Values = QVariantMap;

// Where a settings file cannot be written: beneath a plain file.
static QString unwritableFolder(const QString &base)
{
    QFile plain(base + QStringLiteral("/plain"));
    plain.open(QIODevice::WriteOnly);
    return plain.fileName() + QStringLiteral("/folder");
}

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
        QTest::newRow("stored service wins") << "de_DE" << Values{{"language", 0}, {"maps", 1}} << 0 << GoogleMap;
        QTest::newRow("English, UK is never 3") << "en_GB" << Values() << 2 << GoogleMap;
        // A service outside the list would load no page: the language's service instead.
        QTest::newRow("numbers only") << "de_DE" << Values{{"maps", "abc"}, {"speedUnit", "mph"}} << 9 << GoogleMap;
        QTest::newRow("unknown service, Chinese") << "zh_CN" << Values{{"maps", 2}} << 0 << BaiduMap;
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

    // Beside a program run from its writable build folder; an installed program's settings in the user's folder.
    void fileGoesWhereItCanBeWritten_data()
    {
        QTest::addColumn<QString>("applicationDir"); // empty: a writable folder
        QTest::addColumn<QStringList>("made");       // folders under the writable one
        QTest::addColumn<bool>("besideProgram");
        QTest::newRow("writable folder") << QString() << QStringList{} << true;
        QTest::newRow("system folder") << QStringLiteral("/proc") << QStringList{} << false;
        QTest::newRow("installed under a writable prefix") << QStringLiteral("bin") << QStringList{"bin", "share/vantrel/maps"} << false;
        QTest::newRow("build tree with its map pages") << QStringLiteral("bin") << QStringList{"bin/maps", "share/vantrel/maps"} << true;
    }
    void fileGoesWhereItCanBeWritten()
    {
        QFETCH(QString, applicationDir);
        QFETCH(QStringList, made);
        QFETCH(bool, besideProgram);
        QTemporaryDir scratch;
        for (const QString &folder : made)
            QVERIFY(QDir(scratch.path()).mkpath(folder));
        const QString programDir = applicationDir.isEmpty()          ? scratch.path()
                                   : applicationDir.startsWith('/') ? applicationDir
                                                                    : QDir(scratch.path()).filePath(applicationDir);
        const QString userDir = mDir->filePath(QStringLiteral("config/vantrel"));
        const QString path = Configuration::filePathFor(programDir, userDir);
        QCOMPARE(path, (besideProgram ? programDir : userDir) + QStringLiteral("/configuration.ini"));
        // The probe leaves nothing behind; the fallback folder is made when the file is first written.
        if (!applicationDir.startsWith('/'))
            QCOMPARE(QDir(programDir).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(mDir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        Configuration(path).setSpeedUnit(1);
        QCOMPARE(Configuration(path).speedUnit(), 1);
    }

    // A failed write moves all settings to the user's folder and says so once; with that unusable too,
    // they last for the run and the user hears that once.
    void failedWriteMovesToUserFolder_data()
    {
        QTest::addColumn<bool>("fallbackWorks");
        QTest::newRow("folder beneath a file") << true;
        QTest::newRow("user folder unusable too") << false;
    }
    void failedWriteMovesToUserFolder()
    {
        QFETCH(bool, fallbackWorks);
        const QString folder = unwritableFolder(mDir->path());
        const QString userDir = fallbackWorks ? mDir->filePath(QStringLiteral("user")) : folder + QStringLiteral("/user");
        Configuration configuration(folder + QStringLiteral("/configuration.ini"), userDir);
        QSignalSpy pending(&configuration, &Configuration::noticesPending);
        configuration.setScreenshotSavePath(QStringLiteral("/shots"));
        QCoreApplication::sendPostedEvents();
        configuration.setSpeedUnit(1);
        QCoreApplication::sendPostedEvents();
        Values expected;
        if (fallbackWorks)
            expected = Values{{"speedUnit", 1}, {"ScreenshotSavePath", "/shots"}};
        QCOMPARE(readIni(userDir + QStringLiteral("/configuration.ini")), expected);
        QCOMPARE(configuration.speedUnit(), 1);
        QCOMPARE(pending.count(), 1);
        const QStringList notices = configuration.takeNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains(folder) && notices[0].contains(userDir) == fallbackWorks, qPrintable(notices[0]));
        QCOMPARE(configuration.takeNotices(), QStringList());
    }

    // A file over a sane size or that cannot be parsed is renamed, never lost, and the defaults apply.
    void oversizedOrDamagedFileIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("alreadyAside"); // a name set aside by an earlier start
        QTest::addColumn<QString>("asideAs");      // empty: read as it is
        const QByteArray head = "[General]\nlanguage=4\n;";
        const auto sized = [&head](int size) { return head + QByteArray(size - head.size() - 1, 'x') + '\n'; };
        QTest::newRow("one megabyte") << sized(1 << 20) << QString() << QString();
        QTest::newRow("a byte more") << sized((1 << 20) + 1) << QString() << "configuration.ini.bad";
        QTest::newRow("set aside before") << sized(5 << 20) << "configuration.ini.bad" << "configuration.ini.2.bad";
        QTest::newRow("unclosed section") << QByteArray("[General\nlanguage=4\n") << QString() << "configuration.ini.bad";
    }
    void oversizedOrDamagedFileIsSetAside()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, alreadyAside);
        QFETCH(QString, asideAs);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        QFile file(filePath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        if (!alreadyAside.isEmpty())
            QVERIFY(QFile(mDir->filePath(alreadyAside)).open(QIODevice::WriteOnly));
        Configuration configuration(filePath(), mDir->filePath(QStringLiteral("user")));
        QCOMPARE(configuration.language(), asideAs.isEmpty() ? 4 : 9);
        const QStringList notices = configuration.takeNotices();
        QCOMPARE(notices.size(), asideAs.isEmpty() ? 0 : 1);
        if (asideAs.isEmpty())
            return;
        QVERIFY2(notices[0].contains(mDir->filePath(asideAs)), qPrintable(notices[0]));
        QFile aside(mDir->filePath(asideAs));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), contents);
        if (!alreadyAside.isEmpty())
            QCOMPARE(QFileInfo(mDir->filePath(alreadyAside)).size(), 0);
        // The defaults are written anew in the usual place.
        configuration.setSpeedUnit(1);
        QCOMPARE(fileContents(), Values({{"speedUnit", 1}}));
    }

    // A lock left by a killed start is cleared at start; one just taken is a running window's write and stays.
    void staleLockIsCleared_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<int>("ageSeconds");
        const QByteArray live = QStringLiteral("%1\n%2\n%3\n").arg(QCoreApplication::applicationPid())
            .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName()).toUtf8();
        QTest::newRow("empty") << QByteArray() << 60;
        // A running program with the same name now has that process number.
        QTest::newRow("number reused") << live << 60;
        QTest::newRow("write in progress") << live << 0;
    }
    void staleLockIsCleared()
    {
        QFETCH(QByteArray, lock);
        QFETCH(int, ageSeconds);
        QFile lockFile(filePath() + QStringLiteral(".lock"));
        QVERIFY(lockFile.open(QIODevice::WriteOnly) && lockFile.write(lock) == lock.size());
        lockFile.close();
        const QDateTime written = QDateTime::currentDateTime().addSecs(-ageSeconds);
        QVERIFY(lockFile.open(QIODevice::ReadWrite) && lockFile.setFileTime(written, QFileDevice::FileModificationTime));
        lockFile.close();
        Configuration configuration(filePath());
        QCOMPARE(lockFile.exists(), ageSeconds == 0);
        if (lockFile.exists())
            return;
        configuration.setSpeedUnit(1);
        QCOMPARE(fileContents(), Values({{"speedUnit", 1}}));
    }

    // The latest folder first, each once, eight at most, none gone since; read back as at the next start.
    void recentFolders_data()
    {
        QTest::addColumn<QStringList>("opened"); // in turn; "-x": folder x is removed then
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("again: to the front") << QStringList{"a", "b", "a"} << QStringList{"a", "b"};
        QTest::newRow("eight at most") << QString("1 2 3 4 5 6 7 8 9").split(' ') << QString("9 8 7 6 5 4 3 2").split(' ');
        QTest::newRow("gone ones make room") << QString("1 2 3 4 5 6 7 8 -8 9").split(' ') << QString("9 7 6 5 4 3 2 1").split(' ');
    }
    void recentFolders()
    {
        QFETCH(QStringList, opened);
        QFETCH(QStringList, expected);
        Configuration configuration(filePath());
        for (const QString &folder : opened) {
            if (folder.startsWith('-'))
                QVERIFY(QDir(mDir->path()).rmdir(folder.mid(1)));
            else if (QDir(mDir->path()).mkpath(folder))
                configuration.addRecentFolder(mDir->filePath(folder));
        }
        QCoreApplication::sendPostedEvents();
        QStringList paths;
        for (const QString &folder : expected)
            paths << mDir->filePath(folder);
        QCOMPARE(Configuration(filePath()).recentFolders(), paths);
    }
};

QTEST_GUILESS_MAIN(ConfigurationTest)
#include "tst_configuration.moc"
