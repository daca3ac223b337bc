#include "Configuration.h"
#include "FComboBox.h"
#include "ImageResources.h"
#include "MarkingTranslator.h"
#include "SkinImages.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QPushButton *button(FComboBox &box, const char *name)
{
    return box.findChild<QPushButton *>(QLatin1String(name));
}

QString shownText(FComboBox &box)
{
    return box.findChild<QLabel *>(QStringLiteral("lbl_Text"))->text();
}

const QStringList rateTexts{QStringLiteral("0.5x"), QStringLiteral("1.0x"), QStringLiteral("2.0x")};

void addRates(FComboBox &box)
{
    box.addItem(rateTexts.at(0), 0.5);
    box.addItem(rateTexts.at(1), 1.0);
    box.addItem(rateTexts.at(2), 2.0);
}

QList<int> emittedIndexes(const QSignalSpy &spy)
{
    QList<int> indexes;
    for (const QList<QVariant> &arguments : spy)
        indexes.append(arguments.at(0).toInt());
    return indexes;
}

} // namespace

class FComboBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageResources::initialise(); }
    void selection_data();
    void selection();
    void itemData();
    void addingEntriesSelectsNothing();
    void languageChange();
    void skinImagesExist();
};

// Actions from entry 1 of three: "U" and "D" click Up and Down, a digit or
// "-1" selects that index from code.
void FComboBoxTest::selection_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("upEnabled");
    QTest::addColumn<bool>("downEnabled");
    QTest::addColumn<QList<int>>("emitted");

    QTest::newRow("up to the first") << QStringList{"U"} << 0 << false << true << QList<int>{0};
    QTest::newRow("up past the first") << QStringList{"U", "U"} << 0 << false << true << QList<int>{0};
    QTest::newRow("across the list") << QStringList{"U", "D", "D"} << 2 << true << false << QList<int>{0, 1, 2};
    QTest::newRow("down past the last") << QStringList{"D", "D"} << 2 << true << false << QList<int>{2};
    QTest::newRow("select the last, then down") << QStringList{"2", "D"} << 2 << true << false << QList<int>{2};
    QTest::newRow("select the first") << QStringList{"0"} << 0 << false << true << QList<int>{0};
    QTest::newRow("select the current") << QStringList{"1"} << 1 << true << true << QList<int>{1};
    QTest::newRow("select past the end") << QStringList{"3"} << 1 << true << true << QList<int>{};
    QTest::newRow("select negative") << QStringList{"-1"} << 1 << true << true << QList<int>{};
}

void FComboBoxTest::selection()
{
    QFETCH(QStringList, actions);
    FComboBox box;
    addRates(box);
    box.setCurrentIndex(1);
    box.show();
    QSignalSpy activated(&box, &FComboBox::activated);

    for (const QString &action : actions) {
        if (action == QLatin1String("U"))
            QTest::mouseClick(button(box, "pBtn_Up"), Qt::LeftButton);
        else if (action == QLatin1String("D"))
            QTest::mouseClick(button(box, "pBtn_Down"), Qt::LeftButton);
        else
            box.setCurrentIndex(action.toInt());
    }

    QTEST(box.currentIndex(), "index");
    QCOMPARE(shownText(box), rateTexts.at(box.currentIndex()));
    QTEST(button(box, "pBtn_Up")->isEnabled(), "upEnabled");
    QTEST(button(box, "pBtn_Down")->isEnabled(), "downEnabled");
    QTEST(emittedIndexes(activated), "emitted");
}

void FComboBoxTest::itemData()
{
    FComboBox box;
    addRates(box);
    QCOMPARE(box.itemData(2), QVariant(2.0));
    QCOMPARE(box.itemData(0, Qt::DisplayRole), QVariant(0.5));
    QVERIFY(!box.itemData(5).isValid());
    QVERIFY(!box.itemData(-1).isValid());
}

void FComboBoxTest::addingEntriesSelectsNothing()
{
    FComboBox box;
    QSignalSpy activated(&box, &FComboBox::activated);
    QVERIFY(!button(box, "pBtn_Down")->isEnabled());

    addRates(box);

    QCOMPARE(box.count(), 3);
    QCOMPARE(box.currentIndex(), 0);
    QVERIFY(shownText(box).isEmpty());
    QVERIFY(!button(box, "pBtn_Up")->isEnabled());
    QVERIFY(button(box, "pBtn_Down")->isEnabled());
    QCOMPARE(activated.count(), 0);
}

void FComboBoxTest::languageChange()
{
    FComboBox empty;
    FComboBox box;
    addRates(box);
    box.setCurrentIndex(2);
    QSignalSpy activated(&box, &FComboBox::activated);
    QSignalSpy emptyActivated(&empty, &FComboBox::activated);
    MarkingTranslator translator({"FComboBox"});
    QCoreApplication::installTranslator(&translator);

    emit Configuration::instance()->updateLanguage();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(button(box, "pBtn_Up")->toolTip(), QStringLiteral("[Slow]"));
    QCOMPARE(button(box, "pBtn_Down")->toolTip(), QStringLiteral("[Quick]"));
    QCOMPARE(shownText(box), QStringLiteral("2.0x"));
    QCOMPARE(emittedIndexes(activated), QList<int>{2});
    // A selector without entries has nothing to show or report.
    QVERIFY(shownText(empty).isEmpty());
    QCOMPARE(emptyActivated.count(), 0);
}

void FComboBoxTest::skinImagesExist()
{
    FComboBox box;
    QCOMPARE(missingSkinImages(&box), QStringList());
}

QTEST_MAIN(FComboBoxTest)
#include "tst_fcombobox.moc"
