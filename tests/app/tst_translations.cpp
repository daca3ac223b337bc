#include "TranslationResources.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Catalogue
{
    QString language;
    // Keyed as Qt Linguist identifies a message: context, source text, comment.
    QHash<QString, QString> translations;
    // Messages that would show in English (unfinished, vanished or empty), and read errors.
    QStringList problems;
};

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?\\d+"));
    QSet<QString> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

void readMessage(QXmlStreamReader &xml, const QString &context, Catalogue &catalogue)
{
    QHash<QString, QString> parts; // source, comment, translation
    QString type;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("translation"))
            type = xml.attributes().value(QLatin1String("type")).toString();
        parts.insert(xml.name().toString(), xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    const QString source = parts.value(QStringLiteral("source"));
    const QString translation = parts.value(QStringLiteral("translation"));
    const QString comment = parts.value(QStringLiteral("comment"));
    const QString key = QStringLiteral("%1 / \"%2\" (%3) ").arg(context, source, comment);
    catalogue.translations.insert(key, translation);
    if (!type.isEmpty() || translation.isEmpty())
        catalogue.problems << key + type;
    else if (placeholders(translation) != placeholders(source))
        catalogue.problems << key + QStringLiteral("placeholders differ");
}

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("TS"))
            catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        else if (xml.name() == QLatin1String("name")) // of the context
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            readMessage(xml, context, catalogue);
    }
    if (xml.hasError())
        catalogue.problems << path + QStringLiteral(": ") + xml.errorString();
    return catalogue;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

    // Every text that the sources mark for translation, as lupdate finds them.
    QStringList mSourceTexts;

private slots:
    void initTestCase()
    {
        TranslationResources::initialise();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString extracted = dir.filePath(QStringLiteral("sources.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lupdate.start(QStringLiteral(VANTREL_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(VANTREL_SOURCE_DIR), QStringLiteral("-ts"), extracted});
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
        QCOMPARE(lupdate.exitCode(), 0);
        const Catalogue sources = readCatalogue(extracted);
        mSourceTexts = sources.translations.keys();
        QVERIFY2(!mSourceTexts.isEmpty(), "lupdate found no texts in " VANTREL_SOURCE_DIR);
    }

    void catalogueIsCompleteAndCompiledIn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language");
        const char *const catalogues[][2] = {
            {"Chinese", "zh_CN"}, {"ChineseTraditional", "zh_TW"}, {"French", "fr_FR"},
            {"Italian", "it_IT"}, {"Japanese", "ja_JP"}, {"Polish", "pl_PL"}, {"Russian", "ru_RU"},
            {"German", "de_DE"}, {"Spanish", "es_ES"}, {"Portugal", "pt_PT"}, {"Korean", "ko_KR"}};
        for (const auto &catalogue : catalogues)
            QTest::newRow(catalogue[0]) << QString(catalogue[0]) << QString(catalogue[1]);
    }

    void catalogueIsCompleteAndCompiledIn()
    {
        QFETCH(QString, name);
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/%1.qm").arg(name)));
        QCOMPARE(translator.language(), language);
        const Catalogue catalogue = readCatalogue(QStringLiteral(VANTREL_CATALOGUE_DIR "/%1.ts").arg(name));
        QCOMPARE(catalogue.language, language);
        QStringList problems = catalogue.problems;
        for (const QString &key : qAsConst(mSourceTexts)) {
            if (!catalogue.translations.contains(key))
                problems << key + QStringLiteral("missing");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
