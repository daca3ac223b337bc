#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The real program started as a user would start it, in a folder of its own
// so that it writes its configuration file there.
class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesTheLanguage_data();
    void firstStartWritesTheLanguage();

private:
    static int storedLanguage(const QString &iniPath);
};

int TestStartUp::storedLanguage(const QString &iniPath)
{
    if (!QFile::exists(iniPath))
        return -1;
    return QSettings(iniPath, QSettings::IniFormat).value(QStringLiteral("language"), -1).toInt();
}

void TestStartUp::firstStartWritesTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("storedBefore"); // -1: no configuration file yet
    QTest::addColumn<int>("expected");
    QTest::newRow("German desktop") << "de_DE.UTF-8" << -1 << 9;
    QTest::newRow("French desktop") << "fr_FR.UTF-8" << -1 << 4;
    QTest::newRow("Korean desktop") << "ko_KR.UTF-8" << -1 << 12;
    QTest::newRow("choice kept") << "de_DE.UTF-8" << 5 << 5;
}

void TestStartUp::firstStartWritesTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(int, storedBefore);
    QFETCH(int, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("vantrel"));
    QVERIFY(QFile::copy(QStringLiteral(VANTREL_PROGRAM), program));
    const QString ini = folder.filePath(QStringLiteral("configuration.ini"));
    if (storedBefore >= 0) {
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue(QStringLiteral("language"), storedBefore);
    }

    QProcess vantrel;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), locale);
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    vantrel.setProcessEnvironment(environment);
    vantrel.setWorkingDirectory(folder.path());
    vantrel.start(program, QStringList());
    QVERIFY2(vantrel.waitForStarted(), qPrintable(vantrel.errorString()));
    // The program runs until its window closes; it is stopped once the
    // file holds the language.
    const bool written = QTest::qWaitFor([&] { return storedLanguage(ini) == expected; }, 20000);
    const bool stillRunning = vantrel.state() == QProcess::Running;
    vantrel.kill();
    vantrel.waitForFinished();
    QVERIFY2(written, qPrintable(QStringLiteral("stored: %1").arg(storedLanguage(ini))));
    QVERIFY(stillRunning);
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
