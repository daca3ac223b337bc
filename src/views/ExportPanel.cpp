#include "ExportPanel.h"

#include "ClockText.h"
#include "FileNameCodec.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QResizeEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

const char *const panelStyle =
    "ExportPanel{background-color: rgb(30, 30, 36);}"
    "QLabel{color: rgb(220, 220, 220);}"
    "QProgressBar{border: 1px solid rgb(80, 80, 96); border-radius: 3px; background: rgb(44, 44, 52);"
    " color: rgb(230, 230, 230); text-align: center;}"
    "QProgressBar::chunk{background-color: rgb(38, 153, 238);}"
    "QPushButton{color: rgb(220, 220, 220); background-color: rgb(52, 52, 66); border: 1px solid rgb(80, 80, 96);"
    " border-radius: 3px; padding: 2px 8px;}"
    "QPushButton:hover{background-color: rgb(70, 70, 88);}";

} // namespace

ExportPanel::ExportPanel(QWidget *parent)
    : QWidget(parent)
    , mFile(new QLabel(this))
    , mBar(new QProgressBar(this))
    , mTimeLeft(new QLabel(this))
    , mWaiting(new QLabel(this))
    , mCancel(new QPushButton(this))
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QLatin1String(panelStyle));
    setFocusPolicy(Qt::NoFocus);
    mCancel->setFocusPolicy(Qt::NoFocus);
    mCancel->setObjectName(QStringLiteral("pBtn_CancelExport"));
    mFile->setObjectName(QStringLiteral("lbl_ExportFile"));
    mTimeLeft->setObjectName(QStringLiteral("lbl_ExportTimeLeft"));
    mWaiting->setObjectName(QStringLiteral("lbl_ExportWaiting"));
    mFile->setTextFormat(Qt::PlainText);
    // A long name gives way to the bar; the whole path is in the tool tip.
    mFile->setMinimumWidth(0);
    mFile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    mBar->setRange(0, 1000);
    mBar->setTextVisible(false);
    mBar->setFixedHeight(12);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 4, 3);
    layout->setSpacing(8);
    layout->addWidget(mFile, 2);
    layout->addWidget(mBar, 3);
    layout->addWidget(mTimeLeft);
    layout->addWidget(mWaiting);
    layout->addWidget(mCancel);
    connect(mCancel, &QPushButton::clicked, this, &ExportPanel::cancelRequested);
    retranslate();
    hide();
}

QString ExportPanel::fileText() const { return mFileText; }
QString ExportPanel::timeLeftText() const { return mTimeLeft->text(); }
QString ExportPanel::waitingText() const { return mWaiting->isVisibleTo(this) ? mWaiting->text() : QString(); }
int ExportPanel::percent() const { return mBar->value() / 10; }

void ExportPanel::showStarted(const QString &outputPath)
{
    mOutputPath = outputPath;
    mSecondsLeft = -1;
    mBar->setValue(0);
    retranslate();
    show();
}

void ExportPanel::setProgress(double fraction, int secondsLeft)
{
    const double clamped = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
    mBar->setValue(int(std::lround(clamped * 1000)));
    mSecondsLeft = secondsLeft;
    showTimeLeft();
}

void ExportPanel::setWaiting(int count)
{
    mWaitingCount = std::max(count, 0);
    mWaiting->setText(tr("%1 waiting").arg(mWaitingCount));
    mWaiting->setVisible(mWaitingCount > 0);
}

void ExportPanel::finish()
{
    mOutputPath.clear();
    hide();
}

void ExportPanel::retranslate()
{
    const QString name = FileNameCodec::readable(QFileInfo(mOutputPath).fileName());
    mFileText = tr("Exporting %1").arg(name);
    mFile->setToolTip(FileNameCodec::readable(mOutputPath));
    showFileText();
    mCancel->setText(tr("Cancel"));
    mCancel->setToolTip(tr("Stop this export; its file is not written"));
    setWaiting(mWaitingCount);
    showTimeLeft();
}

void ExportPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showFileText();
}

// The name gives way to the bar, shortened in its middle; the tool tip has the whole path.
void ExportPanel::showFileText()
{
    mFile->setText(mFile->fontMetrics().elidedText(mFileText, Qt::ElideMiddle, mFile->contentsRect().width()));
}

void ExportPanel::showTimeLeft()
{
    mTimeLeft->setText(mSecondsLeft < 0 ? tr("Estimating") : tr("%1 left").arg(clockText(mSecondsLeft)));
}
