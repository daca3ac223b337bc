#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The real program started as a user would start it, on a German desktop, in
// a folder of its own so that it writes its configuration file there.
class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesTheDerivedLanguage()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("vantrel"));
        QVERIFY(QFile::copy(QStringLiteral(VANTREL_PROGRAM), program));
        const auto stored = [&folder] {
            return QSettings(folder.filePath(QStringLiteral("configuration.ini")), QSettings::IniFormat)
                .value(QStringLiteral("language"), -1)
                .toInt();
        };
        QProcess vantrel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        vantrel.setProcessEnvironment(environment);
        vantrel.start(program, QStringList());
        QVERIFY2(vantrel.waitForStarted(), qPrintable(vantrel.errorString()));
        // The program runs until its window closes; it is stopped once the file holds the language.
        const bool written = QTest::qWaitFor([&] { return stored() == 9; }, 20000);
        const bool stillRunning = vantrel.state() == QProcess::Running;
        vantrel.kill();
        vantrel.waitForFinished();
        QVERIFY2(written, qPrintable(QStringLiteral("stored: %1").arg(stored())));
        QVERIFY(stillRunning);
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
