#include "Setting.h"
#include "ui_Setting.h"

#include "Configuration.h"
#include "LanguageList.h"
#include "MoveFilter.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

// Each list shows the entry that behaves as the stored value does, so that a
// value outside the list (a hand-edited file) is never saved back as "none".
int languageEntry(int language)
{
    return LanguageList::displayText(language).isEmpty() ? LanguageList::english : language;
}

int speedUnitEntry(int speedUnit)
{
    // Every unit but 0 is shown in miles per hour.
    return speedUnit == 0 ? 0 : 1;
}

} // namespace

Setting::Setting(QWidget *parent)
    : Setting(Configuration::instance(), parent)
{
}

Setting::Setting(Configuration *configuration, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Setting)
    , mConfiguration(configuration)
{
    ui->setupUi(this);
    fillLanguageList();
    MoveFilter::install(this, this);
    showConfiguration();
}

Setting::~Setting()
{
    delete ui;
}

void Setting::fillLanguageList()
{
    for (int index = 0; index < LanguageList::count; ++index)
        ui->cBox_Language->addItem(LanguageList::displayText(index));
}

void Setting::showConfiguration()
{
    ui->lEdit_SavePath->setText(mConfiguration->screenshotSavePath());
    ui->cBox_Language->setCurrentIndex(languageEntry(mConfiguration->language()));
    ui->cBox_Maps->setCurrentIndex(mConfiguration->maps());
    ui->cBox_SpeedUnit->setCurrentIndex(speedUnitEntry(mConfiguration->speedUnit()));
    ui->chk_SeveralWindows->setChecked(mConfiguration->severalWindows());
    ui->chk_StillGpsTags->setChecked(mConfiguration->stillGpsTags());
    ui->spin_TripGap->setValue(mConfiguration->tripGapSeconds());
    ui->dSpin_HorizontalEvent->setValue(mConfiguration->horizontalEventG());
    ui->dSpin_VerticalEvent->setValue(mConfiguration->verticalEventG());
}

QString Setting::chooserStartFolder()
{
    return QStandardPaths::standardLocations(QStandardPaths::PicturesLocation)
        .value(0, QDir::homePath());
}

void Setting::applyChosenFolder(const QString &folder)
{
    if (!folder.isEmpty())
        ui->lEdit_SavePath->setText(folder);
}

void Setting::on_pBtn_Choose_clicked()
{
    applyChosenFolder(QFileDialog::getExistingDirectory(
        this, tr("Open Directory"), chooserStartFolder(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks));
}

void Setting::on_pBtn_OK_clicked()
{
    // The language goes first: it is re-applied and announced even when
    // unchanged, so every open window retranslates before the map follows.
    mConfiguration->setLanguage(ui->cBox_Language->currentIndex());
    mConfiguration->setScreenshotSavePath(ui->lEdit_SavePath->text());
    mConfiguration->setMaps(static_cast<MapTypes>(ui->cBox_Maps->currentIndex()));
    mConfiguration->setSpeedUnit(ui->cBox_SpeedUnit->currentIndex());
    mConfiguration->setSeveralWindows(ui->chk_SeveralWindows->isChecked());
    mConfiguration->setStillGpsTags(ui->chk_StillGpsTags->isChecked());
    mConfiguration->setTripGapSeconds(ui->spin_TripGap->value());
    mConfiguration->setHorizontalEventG(ui->dSpin_HorizontalEvent->value());
    mConfiguration->setVerticalEventG(ui->dSpin_VerticalEvent->value());
    accept();
}

void Setting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        for (int index = 0; index < ui->cBox_Language->count(); ++index)
            ui->cBox_Language->setItemText(index, LanguageList::displayText(index));
    }
    QDialog::changeEvent(event);
}
