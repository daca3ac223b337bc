#include "TranslationResources.h"

#include <QtTest>

static const QStringList catalogues{"Chinese zh_CN", "ChineseTraditional zh_TW", "French fr_FR", "Italian it_IT", "Japanese ja_JP",
    "Polish pl_PL", "Russian ru_RU", "German de_DE", "Spanish es_ES", "Portugal pt_PT", "Korean ko_KR"};

static QSet<QString> placeholders(const QString &text)
{
    QSet<QString> found;
    for (auto it = QRegularExpression(QStringLiteral("%L?\\d+")).globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

// Catalogue copies updated by lupdate: texts missing from a catalogue come back unfinished, stale ones vanished.
class TranslationsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir mDir;

private slots:
    void initTestCase()
    {
        TranslationResources::initialise();
        QStringList arguments{"-silent", "-locations", "none", VANTREL_SOURCE_DIR, "-ts"};
        for (const QString &entry : catalogues) {
            arguments << mDir.filePath(entry.section(' ', 0, 0) + ".ts");
            QVERIFY(QFile::copy(VANTREL_CATALOGUE_DIR "/" + entry.section(' ', 0, 0) + ".ts", arguments.last()));
        }
        QCOMPARE(QProcess::execute(QStringLiteral(VANTREL_LUPDATE), arguments), 0);
    }

    void catalogueIsCompleteAndCompiledIn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language");
        for (const QString &entry : catalogues)
            QTest::newRow(qPrintable(entry.section(' ', 0, 0))) << entry.section(' ', 0, 0) << entry.section(' ', 1);
    }
    // Every message has a finished translation that keeps the source's placeholders.
    void catalogueIsCompleteAndCompiledIn()
    {
        QFETCH(QString, name);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/%1.qm").arg(name)));
        QCOMPARE(translator.language(), language);
        QFile file(mDir.filePath(name + ".ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        QStringList problems;
        int messages = 0;
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            if (xml.name() != QLatin1String("translation"))
                continue;
            const QString type = xml.attributes().value("type").toString();
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            ++messages;
            if (!type.isEmpty() || translation.isEmpty() || placeholders(translation) != placeholders(source))
                problems << QStringLiteral("\"%1\": %2 \"%3\"").arg(source, type, translation);
        }
        QVERIFY2(!xml.hasError() && messages > 0, qPrintable(xml.errorString()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
