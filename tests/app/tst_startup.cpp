#include <QtTest>

// The real program started on a German desktop from a folder of its own, so
// that it writes its configuration file there.
class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesTheDerivedLanguage()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("vantrel"));
        QVERIFY(QFile::copy(QStringLiteral(VANTREL_PROGRAM), program));
        const QString ini = folder.filePath(QStringLiteral("configuration.ini"));
        QProcess vantrel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        vantrel.setProcessEnvironment(environment); // on the suite's X server
        vantrel.start(program, QStringList());
        QVERIFY2(vantrel.waitForStarted(), qPrintable(vantrel.errorString()));
        const bool written = QTest::qWaitFor([&] { return QSettings(ini, QSettings::IniFormat).value("language").toInt() == 9; }, 20000);
        const bool stillRunning = vantrel.state() == QProcess::Running;
        vantrel.kill();
        vantrel.waitForFinished();
        QVERIFY(written && stillRunning);
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
