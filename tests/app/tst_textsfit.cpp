#include "Configuration.h"
#include "ControlPanel.h"
#include "ExportDialog.h"
#include "ExportPanel.h"
#include "ImageResources.h"
#include "LanguageList.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "Setting.h"
#include "WindowSuite.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableView>

namespace {

// Space a painted box leaves between its edges and its text.
constexpr int boxMargin = 4;

// Each text that does not fit where it is shown, with what it needs and has.
struct Problems : QStringList {
    void check(const QString &where, const QString &text, int needed, int room)
    {
        if (needed > room)
            append(QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(where, text).arg(needed).arg(room));
    }
};

QString nameOf(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
}

void checkLabel(const QLabel *label, Problems &problems)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText)
        return;
    // Shortened is fine only with the whole text at hand.
    if (text.contains(QChar(0x2026))) {
        if (label->toolTip().isEmpty())
            problems << nameOf(label) + " \"" + text + "\" is cut short without a tool tip";
        return;
    }
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
    if (label->wordWrap())
        return problems.check(nameOf(label) + " (height)", text, metrics.boundingRect(room, Qt::TextWordWrap, text).height(), room.height());
    int needed = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        needed = qMax(needed, metrics.horizontalAdvance(line));
    problems.check(nameOf(label), text, needed, room.width());
    // A text on a painted box keeps off its edges.
    if (label->styleSheet().contains(QLatin1String("background")))
        problems.check(nameOf(label) + " (its box)", text, needed + 2 * boxMargin, label->width());
}

void checkButton(QPushButton *button, Problems &problems)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text().remove(QLatin1Char('&'));
    const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    problems.check(nameOf(button), option.text, button->fontMetrics().horizontalAdvance(option.text), room);
}

// Every entry may be the one shown in the closed box.
void checkComboBox(QComboBox *box, Problems &problems)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    for (int item = 0; item < box->count(); ++item)
        problems.check(nameOf(box), box->itemText(item), box->fontMetrics().horizontalAdvance(box->itemText(item)), room);
}

// Each header section holds its text, all of them are in view, and the cells
// of the listed files are whole or cut with the whole text in the tool tip.
void checkTable(QTableView *table, Problems &problems)
{
    QHeaderView *header = table->horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = QRect(0, 0, header->sectionSize(section), header->height());
        option.section = section;
        option.text = header->model()->headerData(section, Qt::Horizontal).toString();
        const int room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
        problems.check("header", option.text, header->fontMetrics().horizontalAdvance(option.text), room);
        problems.check("header out of view", option.text, header->sectionViewportPosition(section) + header->sectionSize(section),
                       header->viewport()->width());
    }
    const int margins = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int row = 0; row < table->model()->rowCount(); ++row)
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            if (table->isColumnHidden(column))
                continue;
            const QModelIndex index = table->model()->index(row, column);
            const QString text = index.data().toString();
            if (index.data(Qt::ToolTipRole).toString() != text)
                problems.check("cell", text, table->fontMetrics().horizontalAdvance(text) + margins, table->columnWidth(column));
        }
}

QStringList checkWindow(QWidget *window)
{
    Problems problems;
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->isVisibleTo(window))
            checkLabel(label, problems);
    for (QPushButton *button : window->findChildren<QPushButton *>())
        if (button->isVisibleTo(window))
            checkButton(button, problems);
    for (QComboBox *box : window->findChildren<QComboBox *>())
        if (box->isVisibleTo(window))
            checkComboBox(box, problems);
    for (QTableView *table : window->findChildren<QTableView *>())
        checkTable(table, problems);
    return std::move(problems);
}

// Every text a catalogue can put on screen, with the names of the languages.
QString catalogueTexts()
{
    QString texts;
    for (int language = 0; language < LanguageList::count; ++language)
        texts += LanguageList::displayText(language);
    const QDir folder(QStringLiteral(VANTREL_CATALOGUE_DIR));
    for (const QString &name : folder.entryList({QStringLiteral("*.ts")})) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        QXmlStreamReader xml(&file);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
                texts += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return texts;
}

} // namespace

// Every language in the real windows at their default size, on an X server
// with the program's fonts: no text cut off, no character without a glyph.
class TextsFitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ImageResources::initialise();
        // As the program starts: its interface font for every widget.
        QFont font(QStringLiteral("Calibri"));
        font.setPointSize(11);
        QApplication::setFont(font);
    }

    void everyTextFits_data()
    {
        QTest::addColumn<int>("language");
        for (int language = 0; language < LanguageList::count; ++language)
            QTest::newRow(qPrintable(LanguageList::displayText(language))) << language;
    }
    void everyTextFits()
    {
        QFETCH(int, language);
        // The language is changed while the window shows, the harder case
        // for a layout than a start in that language.
        Configuration::instance()->setLanguage(LanguageList::english);
        Configuration::instance()->setSpeedUnit(0);
        MainWindows window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *model = qobject_cast<PlaylistModel *>(window.findChild<QTableView *>("tbl_PlayListView")->model());
        if (QFileInfo::exists(demoUrl(QStringLiteral("20261206_101500F.MP4")).toLocalFile())) {
            model->addFile(demoUrl(QStringLiteral("20261206_101500F.MP4")));
            model->addFile(demoUrl(QStringLiteral("drive-mov-layout.MOV")));
            QTRY_VERIFY_WITH_TIMEOUT(model->rowAt(1)->duration > 0 && model->rowAt(0)->duration > 0, 20000);
        }
        Configuration::instance()->setLanguage(language);
        // The marking buttons and the export strip, as during an export with more waiting: its time left,
        // then its estimate beside a speed in the other unit.
        window.findChild<QWidget *>("wgt_TripStrip")->show();
        auto *exportPanel = window.findChild<ExportPanel *>();
        exportPanel->showStarted(QStringLiteral("/home/user/Pictures/Trip_2026-12-06_10-15-00_00-01-20_00-02-20.mp4"));
        exportPanel->setProgress(0.4, 3725);
        exportPanel->setWaiting(12);
        QTest::qWait(100);
        QStringList problems = checkWindow(&window);
        Configuration::instance()->setSpeedUnit(1);
        window.findChild<ControlPanel *>()->setSpeed(180);
        exportPanel->setProgress(0, -1);
        QTest::qWait(50);
        problems += checkWindow(&window);
        Configuration::instance()->setSpeedUnit(0);

        // The export dialog for a stretch of two clips with both cameras.
        ExportRequest draft;
        draft.clips.resize(2);
        for (ExportClip &clip : draft.clips) {
            clip.mainPath = QStringLiteral("/card/20261206_101500F.MP4");
            clip.companionPath = QStringLiteral("/card/20261206_101500R.MP4");
            clip.toSecond = 60;
        }
        ExportDialog exportDialog(&window);
        exportDialog.setStretch(draft, QDateTime(QDate(2026, 12, 6), QTime(10, 15), Qt::UTC).toMSecsSinceEpoch(), 80, 140,
                                QStringLiteral("/home/user/Pictures"));
        exportDialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&exportDialog));
        problems += checkWindow(&exportDialog);

        Setting settings(&window);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        problems += checkWindow(&settings);
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The fonts the widgets ask for, with the fallbacks the font system
    // adds, have a glyph for every character of every catalogue.
    void fontsCoverEveryCatalogue()
    {
        const QString texts = catalogueTexts();
        QVERIFY(texts.size() > 1000);
        Configuration::instance()->setLanguage(LanguageList::english);
        MainWindows window;
        Setting settings(&window);
        QSet<QString> families;
        for (QWidget *widget : window.findChildren<QWidget *>() + settings.findChildren<QWidget *>()) {
            widget->ensurePolished(); // style sheets choose fonts too
            families.insert(widget->font().family());
        }
        QVERIFY(families.contains(QStringLiteral("Calibri")) && families.contains(QStringLiteral("Arial")));
        QStringList missing;
        for (const QString &family : qAsConst(families)) {
            const QFontMetrics metrics{QFont(family)};
            QSet<uint> reported;
            for (const uint character : texts.toUcs4()) {
                if (QChar::isSpace(character) || !QChar::isPrint(character) || reported.contains(character))
                    continue;
                if (!metrics.inFontUcs4(character)) {
                    reported.insert(character);
                    missing << QStringLiteral("%1: U+%2 %3").arg(family).arg(character, 4, 16, QLatin1Char('0')).arg(QString::fromUcs4(&character, 1));
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 40).join(QLatin1Char('\n'))));
    }
};

VANTREL_WINDOW_TEST_MAIN(TextsFitTest)
#include "tst_textsfit.moc"
