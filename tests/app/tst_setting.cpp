#include "Configuration.h"
#include "LanguageList.h"
#include "MoveFilter.h"
#include "Setting.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#ifdef VANTREL_HAVE_IMAGES
#include "ImageResources.h"
#endif

using Values = QVariantMap;

// Marks every text of the dialog's context, to see which ones are re-applied.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Setting") != 0)
            return QString();
        return QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

class SettingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void showsStoredValues_data();
    void showsStoredValues();
    void saveWritesEveryKey_data();
    void saveWritesEveryKey();
    void untouchedSaveWritesTheSameBack();
    void cancelStoresNothing_data();
    void cancelStoresNothing();
    void isFramelessDraggableAndIgnoresDoubleClicks();
    void retranslatesWithoutLosingChoices();
    void skinImagesExist();

private:
    void storeInFile(const Values &values);
    // What the file holds once the store has written it.
    Values fileContents();
    Configuration *configuration();
    Setting *openDialog();

    template<typename T>
    T *child(const char *name) const
    {
        T *found = mDialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("the settings dialog has no %s", name);
        return found;
    }

    QScopedPointer<QTemporaryDir> mDir;
    QScopedPointer<Configuration> mConfiguration;
    QScopedPointer<Setting> mDialog;
};

void SettingTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel V1.6 20200221"));
    QStandardPaths::setTestModeEnabled(true);
    // The language the store derives when none is stored: German, index 9.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void SettingTest::init()
{
    mDir.reset(new QTemporaryDir);
    QVERIFY(mDir->isValid());
}

void SettingTest::cleanup()
{
    mDialog.reset();
    mConfiguration.reset();
    mDir.reset();
}

void SettingTest::storeInFile(const Values &values)
{
    QSettings file(mDir->filePath(QStringLiteral("configuration.ini")), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        file.setValue(it.key(), it.value());
}

Values SettingTest::fileContents()
{
    mDialog.reset();
    mConfiguration.reset();
    QSettings file(mDir->filePath(QStringLiteral("configuration.ini")), QSettings::IniFormat);
    Values values;
    for (const QString &key : file.allKeys())
        values.insert(key, file.value(key));
    return values;
}

Configuration *SettingTest::configuration()
{
    if (!mConfiguration)
        mConfiguration.reset(new Configuration(mDir->filePath(QStringLiteral("configuration.ini"))));
    return mConfiguration.data();
}

Setting *SettingTest::openDialog()
{
    mDialog.reset(new Setting(configuration(), nullptr));
    return mDialog.data();
}

void SettingTest::showsStoredValues_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("maps");
    QTest::addColumn<int>("speedUnit");
    QTest::addColumn<QString>("folder");

    const QString pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation)
                                 .value(0, QDir::homePath());
    const QString defaultFolder = pictures + QStringLiteral("/Vantrel V1.6 20200221");

    QTest::newRow("nothing stored") << Values() << 9 << 1 << 0 << defaultFolder;
    QTest::newRow("every key") << Values{{"language", 5}, {"maps", 0}, {"speedUnit", 1},
                                         {"ScreenshotSavePath", "/data/shots"}}
                               << 5 << 0 << 1 << QStringLiteral("/data/shots");
    QTest::newRow("chinese implies baidu") << Values{{"language", 1}} << 1 << 0 << 0 << defaultFolder;
    // Values no list entry holds are shown as the entry that behaves alike.
    QTest::newRow("language outside the list")
        << Values{{"language", 42}, {"maps", 0}} << LanguageList::english << 0 << 0 << defaultFolder;
    QTest::newRow("odd speed unit") << Values{{"speedUnit", 7}} << 9 << 1 << 1 << defaultFolder;
    QTest::newRow("unknown map service") << Values{{"maps", 4}} << 9 << -1 << 0 << defaultFolder;
}

void SettingTest::showsStoredValues()
{
    QFETCH(Values, stored);
    QFETCH(int, language);
    QFETCH(int, maps);
    QFETCH(int, speedUnit);
    QFETCH(QString, folder);

    storeInFile(stored);
    openDialog();

    auto *languages = child<QComboBox>("cBox_Language");
    QCOMPARE(languages->count(), LanguageList::count);
    QCOMPARE(languages->itemText(4), QStringLiteral("(fr)Français "));
    QCOMPARE(languages->currentIndex(), language);
    QCOMPARE(child<QComboBox>("cBox_Maps")->currentIndex(), maps);
    QCOMPARE(child<QComboBox>("cBox_SpeedUnit")->currentIndex(), speedUnit);
    QCOMPARE(child<QLineEdit>("lEdit_SavePath")->text(), folder);
    QVERIFY(child<QLineEdit>("lEdit_SavePath")->isReadOnly());
}

void SettingTest::saveWritesEveryKey_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("maps");
    QTest::addColumn<int>("speedUnit");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<Values>("written");
    QTest::addColumn<int>("mapsChanges");

    const Values stored{{"language", 2}, {"maps", 1}, {"speedUnit", 0},
                        {"ScreenshotSavePath", "/old"}};
    QTest::newRow("everything changed")
        << stored << 4 << 0 << 1 << QStringLiteral("/new/shots")
        << Values{{"language", 4}, {"maps", 0}, {"speedUnit", 1}, {"ScreenshotSavePath", "/new/shots"}}
        << 1;
    QTest::newRow("only the unit")
        << stored << 2 << 1 << 1 << QStringLiteral("/old")
        << Values{{"language", 2}, {"maps", 1}, {"speedUnit", 1}, {"ScreenshotSavePath", "/old"}}
        << 0;
    // With no stored service the language implies one; choosing that one
    // leaves the key out, choosing the other stores it.
    QTest::newRow("implied service")
        << Values{{"language", 0}} << 0 << 0 << 0 << QStringLiteral("/x")
        << Values{{"language", 0}, {"speedUnit", 0}, {"ScreenshotSavePath", "/x"}} << 0;
    QTest::newRow("other service than implied")
        << Values{{"language", 0}} << 0 << 1 << 0 << QStringLiteral("/x")
        << Values{{"language", 0}, {"maps", 1}, {"speedUnit", 0}, {"ScreenshotSavePath", "/x"}} << 1;
    // A service no entry shows is kept as stored.
    QTest::newRow("unknown service untouched")
        << Values{{"language", 2}, {"maps", 4}} << 2 << -1 << 0 << QStringLiteral("/x")
        << Values{{"language", 2}, {"maps", 4}, {"speedUnit", 0}, {"ScreenshotSavePath", "/x"}} << 0;
}

void SettingTest::saveWritesEveryKey()
{
    QFETCH(Values, stored);
    QFETCH(int, language);
    QFETCH(int, maps);
    QFETCH(int, speedUnit);
    QFETCH(QString, folder);
    QFETCH(Values, written);
    QFETCH(int, mapsChanges);

    storeInFile(stored);
    Setting *dialog = openDialog();
    QSignalSpy languageUpdates(configuration(), &Configuration::updateLanguage);
    QSignalSpy mapsChanged(configuration(), &Configuration::mapsChanged);

    child<QComboBox>("cBox_Language")->setCurrentIndex(language);
    child<QComboBox>("cBox_Maps")->setCurrentIndex(maps);
    child<QComboBox>("cBox_SpeedUnit")->setCurrentIndex(speedUnit);
    dialog->applyChosenFolder(folder);
    // A cancelled folder chooser answers nothing, and the shown folder stays.
    dialog->applyChosenFolder(QString());
    QCOMPARE(child<QLineEdit>("lEdit_SavePath")->text(), folder);
    QTest::mouseClick(child<QPushButton>("pBtn_OK"), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(languageUpdates.count(), 1);
    QCOMPARE(mapsChanged.count(), mapsChanges);
    if (mapsChanges)
        QCOMPARE(mapsChanged.first().first().value<MapTypes>(), MapTypes(maps));
    QCOMPARE(fileContents(), written);
}

void SettingTest::untouchedSaveWritesTheSameBack()
{
    Setting *dialog = openDialog();
    const QString folder = child<QLineEdit>("lEdit_SavePath")->text();
    QSignalSpy languageUpdates(configuration(), &Configuration::updateLanguage);
    QSignalSpy mapsChanged(configuration(), &Configuration::mapsChanged);

    QTest::mouseClick(child<QPushButton>("pBtn_OK"), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    // The translation is applied again although nothing changed.
    QCOMPARE(languageUpdates.count(), 1);
    QCOMPARE(mapsChanged.count(), 0);
    const Values expected{{"language", 9}, {"speedUnit", 0}, {"ScreenshotSavePath", folder}};
    QCOMPARE(fileContents(), expected);
}

void SettingTest::cancelStoresNothing_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("cancel") << QStringLiteral("pBtn_Cancel");
    QTest::newRow("close") << QStringLiteral("pBtn_Close");
    QTest::newRow("escape") << QStringLiteral("escape");
}

void SettingTest::cancelStoresNothing()
{
    QFETCH(QString, how);

    const Values stored{{"language", 5}, {"speedUnit", 0}, {"ScreenshotSavePath", "/old"}};
    storeInFile(stored);
    Setting *dialog = openDialog();
    QSignalSpy languageUpdates(configuration(), &Configuration::updateLanguage);
    QSignalSpy mapsChanged(configuration(), &Configuration::mapsChanged);

    child<QComboBox>("cBox_Language")->setCurrentIndex(7);
    child<QComboBox>("cBox_Maps")->setCurrentIndex(0);
    child<QComboBox>("cBox_SpeedUnit")->setCurrentIndex(1);
    dialog->applyChosenFolder(QStringLiteral("/picked"));
    if (how == QLatin1String("escape"))
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog->findChild<QPushButton *>(how), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(languageUpdates.count(), 0);
    QCOMPARE(mapsChanged.count(), 0);

    // The next opening shows what was stored before.
    openDialog();
    QCOMPARE(child<QLineEdit>("lEdit_SavePath")->text(), QStringLiteral("/old"));
    QCOMPARE(child<QComboBox>("cBox_Language")->currentIndex(), 5);
    QCOMPARE(fileContents(), stored);
}

void SettingTest::isFramelessDraggableAndIgnoresDoubleClicks()
{
    Setting *dialog = openDialog();
    QCOMPARE(dialog->windowFlags(), MoveFilter::framelessFlags);
    QCOMPARE(dialog->size(), QSize(450, 340));
    dialog->show();
    dialog->move(200, 150);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTRY_COMPARE(dialog->pos(), QPoint(200, 150));

    // Pressed on the title, which leaves the mouse to the dialog.
    QWidget *title = child<QWidget>("lbl_Title");
    const QPoint grabbed = title->mapToGlobal(QPoint(4, 4));
    const auto send = [title](QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons) {
        const QPoint local = title->mapFromGlobal(global);
        QMouseEvent event(type, local, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(title, &event);
    };
    send(QEvent::MouseButtonPress, grabbed, Qt::LeftButton);
    send(QEvent::MouseMove, grabbed + QPoint(-40, 25), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grabbed + QPoint(-40, 25), Qt::NoButton);
    QTRY_COMPARE(dialog->pos(), QPoint(160, 175));

    send(QEvent::MouseButtonDblClick, grabbed, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grabbed, Qt::NoButton);
    QVERIFY(!dialog->isMaximized());
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->pos(), QPoint(160, 175));
}

void SettingTest::retranslatesWithoutLosingChoices()
{
    storeInFile({{"language", 2}, {"maps", 0}, {"speedUnit", 1}, {"ScreenshotSavePath", "/old"}});
    Setting *dialog = openDialog();
    child<QComboBox>("cBox_Language")->setCurrentIndex(6);
    dialog->applyChosenFolder(QStringLiteral("/picked"));

    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    const auto removeMarking = qScopeGuard([&marking] { QCoreApplication::removeTranslator(&marking); });

    // The application posts the change to every window.
    QTRY_COMPARE(child<QPushButton>("pBtn_OK")->text(), QStringLiteral("[Save]"));
    QCOMPARE(child<QPushButton>("pBtn_Close")->toolTip(), QStringLiteral("[Close]"));
    auto *languages = child<QComboBox>("cBox_Language");
    QCOMPARE(languages->itemText(2), QStringLiteral("[(en-US)English]"));
    QCOMPARE(child<QComboBox>("cBox_Maps")->itemText(1), QStringLiteral("[Google Maps]"));
    QCOMPARE(child<QComboBox>("cBox_SpeedUnit")->itemText(1), QStringLiteral("[MP/h]"));
    QCOMPARE(languages->currentIndex(), 6);
    QCOMPARE(child<QComboBox>("cBox_Maps")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>("cBox_SpeedUnit")->currentIndex(), 1);
    QCOMPARE(child<QLineEdit>("lEdit_SavePath")->text(), QStringLiteral("/picked"));
}

void SettingTest::skinImagesExist()
{
#ifdef VANTREL_HAVE_IMAGES
    ImageResources::initialise();
#else
    QSKIP("the image resources are not built");
#endif
    openDialog();
    const QRegularExpression imageUrl(QStringLiteral("url\\((:/image/[^)]+)\\)"));
    QStringList images;
    const QList<QWidget *> widgets = mDialog->findChildren<QWidget *>() << mDialog.data();
    for (const QWidget *widget : widgets) {
        auto match = imageUrl.globalMatch(widget->styleSheet());
        while (match.hasNext())
            images << match.next().captured(1);
    }
    QCOMPARE(images.size(), 4); // the logo and the close button's three states
    for (const QString &image : qAsConst(images))
        QVERIFY2(QFile::exists(image), qPrintable(image));
}

QTEST_MAIN(SettingTest)
#include "tst_setting.moc"
