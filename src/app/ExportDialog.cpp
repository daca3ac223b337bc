#include "ExportDialog.h"
#include "ui_ExportDialog.h"

#include "ClockText.h"
#include "ExportPlanner.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardItemModel>

ExportDialog::ExportDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ExportDialog)
{
    ui->setupUi(this);
    connect(ui->pBtn_Export, &QPushButton::clicked, this, &ExportDialog::accept);
    connect(ui->pBtn_Cancel, &QPushButton::clicked, this, &ExportDialog::reject);
    fillChoices();
}

ExportDialog::~ExportDialog()
{
    delete ui;
}

// The entries' order is the enums' order.
void ExportDialog::fillChoices()
{
    const int layout = std::max(ui->cBox_Layout->currentIndex(), 0);
    const int quality = ui->cBox_Quality->count() ? ui->cBox_Quality->currentIndex() : int(ExportQuality::Standard);
    ui->cBox_Layout->clear();
    ui->cBox_Layout->addItems({tr("Main camera only"), tr("Both cameras side by side"), tr("Second camera in a corner")});
    ui->cBox_Quality->clear();
    ui->cBox_Quality->addItems({tr("Compact (small file)"), tr("Standard"), tr("High (large file)")});
    const bool twoCameras = ExportPlanner::hasCompanions(mDraft.clips);
    auto *items = qobject_cast<QStandardItemModel *>(ui->cBox_Layout->model());
    for (int entry = int(ExportLayout::SideBySide); entry <= int(ExportLayout::PictureInPicture); ++entry)
        items->item(entry)->setEnabled(twoCameras);
    ui->cBox_Layout->setToolTip(twoCameras ? QString() : tr("The stretch has no second camera's recording"));
    ui->cBox_Layout->setCurrentIndex(twoCameras ? layout : int(ExportLayout::MainOnly));
    ui->cBox_Quality->setCurrentIndex(quality);
}

void ExportDialog::setStretch(const ExportRequest &draft, qint64 tripStartUtcMsecs, int fromTripSecond,
                              int toTripSecond, const QString &folder)
{
    mDraft = draft;
    mTripStart = tripStartUtcMsecs;
    mFrom = fromTripSecond;
    mTo = toTripSecond;
    const QString name = ExportRequest::defaultFileName(tripStartUtcMsecs, fromTripSecond, toTripSecond);
    ui->lEdit_File->setText(QDir::toNativeSeparators(QDir(folder).filePath(name)));
    ui->chk_Overlay->setChecked(draft.overlay);
    ui->chk_Sound->setChecked(draft.sound);
    ui->cBox_Layout->setCurrentIndex(int(draft.layout));
    ui->cBox_Quality->setCurrentIndex(int(draft.quality));
    fillChoices();
    showStretch();
}

void ExportDialog::showStretch()
{
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(mTripStart + qint64(mFrom) * 1000, Qt::UTC);
    const QDateTime end = QDateTime::fromMSecsSinceEpoch(mTripStart + qint64(mTo) * 1000, Qt::UTC);
    const QString format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    ui->lbl_Stretch->setText(tr("%1 to %2 (%3), clips: %4")
                                 .arg(start.toString(format), end.toString(QStringLiteral("hh:mm:ss")),
                                      clockText(mDraft.durationSeconds()), QString::number(mDraft.clips.size())));
}

ExportRequest ExportDialog::request() const
{
    ExportRequest request = mDraft;
    request.outputPath = normalisedPath(ui->lEdit_File->text());
    request.layout = ExportLayout(std::max(ui->cBox_Layout->currentIndex(), 0));
    request.quality = ExportQuality(std::max(ui->cBox_Quality->currentIndex(), 0));
    request.overlay = ui->chk_Overlay->isChecked();
    request.sound = ui->chk_Sound->isChecked();
    return request;
}

QString ExportDialog::normalisedPath(const QString &typed)
{
    const QString trimmed = typed.trimmed();
    if (trimmed.isEmpty())
        return QString();
    QString path = QFileInfo(QDir::fromNativeSeparators(trimmed)).absoluteFilePath();
    if (QFileInfo(path).suffix().compare(QLatin1String("mp4"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".mp4");
    return path;
}

// A file of that name is replaced only when the user says so. A folder
// that is not there yet (the still-image folder before the first still) is
// made; one that cannot be is the export's to report.
void ExportDialog::accept()
{
    const QString path = normalisedPath(ui->lEdit_File->text());
    if (path.isEmpty()) {
        ui->lEdit_File->setFocus();
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (QFileInfo::exists(path)
        && QMessageBox::question(this, windowTitle(), tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path)),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QDialog::accept();
}

void ExportDialog::on_pBtn_Browse_clicked()
{
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Export as"), normalisedPath(ui->lEdit_File->text()),
                                                        tr("MP4 video (*.mp4)"), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty())
        ui->lEdit_File->setText(QDir::toNativeSeparators(chosen));
}

void ExportDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillChoices();
        showStretch();
    }
    QDialog::changeEvent(event);
}
