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

// A message as Qt Linguist identifies it: context, source text, comment.
struct MessageKey
{
    QString context;
    QString source;
    QString comment;

    bool operator==(const MessageKey &other) const
    {
        return context == other.context && source == other.source && comment == other.comment;
    }
    QString toString() const { return context + QStringLiteral(" / \"") + source + QLatin1Char('"'); }
};

uint qHash(const MessageKey &key, uint seed = 0)
{
    return ::qHash(key.context, seed) ^ ::qHash(key.source, seed) ^ ::qHash(key.comment, seed);
}

struct Catalogue
{
    QString language;
    QHash<MessageKey, QString> translations;
    // Messages that would show in English: unfinished, vanished or empty.
    QStringList untranslated;
    QString error;
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
    MessageKey key{context, QString(), QString()};
    QString translation;
    QString type;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            key.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            key.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            type = xml.attributes().value(QLatin1String("type")).toString();
            translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            xml.skipCurrentElement();
        }
    }
    catalogue.translations.insert(key, translation);
    if (!type.isEmpty() || translation.isEmpty())
        catalogue.untranslated << key.toString() + QLatin1Char(' ') + type;
    else if (placeholders(translation) != placeholders(key.source))
        catalogue.untranslated << key.toString() + QStringLiteral(" placeholders differ");
}

void readContext(QXmlStreamReader &xml, Catalogue &catalogue)
{
    QString name;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name"))
            name = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            readMessage(xml, name, catalogue);
        else
            xml.skipCurrentElement();
    }
}

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = file.errorString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
        catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("context"))
                readContext(xml, catalogue);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        catalogue.error = xml.errorString();
    return catalogue;
}

void addCatalogueRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("language");

    QTest::newRow("Chinese") << "Chinese" << "zh_CN";
    QTest::newRow("ChineseTraditional") << "ChineseTraditional" << "zh_TW";
    QTest::newRow("French") << "French" << "fr_FR";
    QTest::newRow("Italian") << "Italian" << "it_IT";
    QTest::newRow("Japanese") << "Japanese" << "ja_JP";
    QTest::newRow("Polish") << "Polish" << "pl_PL";
    QTest::newRow("Russian") << "Russian" << "ru_RU";
    QTest::newRow("German") << "German" << "de_DE";
    QTest::newRow("Spanish") << "Spanish" << "es_ES";
    QTest::newRow("Portugal") << "Portugal" << "pt_PT";
    QTest::newRow("Korean") << "Korean" << "ko_KR";
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueIsCompiledIn_data() { addCatalogueRows(); }
    void catalogueIsCompiledIn();
    void catalogueCoversEverySourceText_data() { addCatalogueRows(); }
    void catalogueCoversEverySourceText();

private:
    // Every text that the sources mark for translation, as lupdate finds them.
    QList<MessageKey> mSourceTexts;
};

void TranslationsTest::initTestCase()
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
    QVERIFY2(sources.error.isEmpty(), qPrintable(sources.error));
    mSourceTexts = sources.translations.keys();
    QVERIFY2(!mSourceTexts.isEmpty(), "lupdate found no texts in " VANTREL_SOURCE_DIR);
}

void TranslationsTest::catalogueIsCompiledIn()
{
    QFETCH(QString, name);
    QFETCH(QString, language);
    QTranslator translator;

    QVERIFY(translator.load(QStringLiteral(":/translations/%1.qm").arg(name)));

    QCOMPARE(translator.language(), language);
    const QString header = translator.translate("PlaylistModel", "File Name");
    QVERIFY(!header.isEmpty());
    QVERIFY(header != QLatin1String("File Name"));
}

void TranslationsTest::catalogueCoversEverySourceText()
{
    QFETCH(QString, name);
    QFETCH(QString, language);
    const Catalogue catalogue =
        readCatalogue(QStringLiteral(VANTREL_CATALOGUE_DIR "/%1.ts").arg(name));
    QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
    QCOMPARE(catalogue.language, language);

    QStringList problems = catalogue.untranslated;
    for (const MessageKey &key : qAsConst(mSourceTexts)) {
        if (!catalogue.translations.contains(key))
            problems << key.toString() + QStringLiteral(" missing");
    }

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
