#include "FComboBox.h"
#include "ui_FComboBox.h"


FComboBox::FComboBox(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FComboBox)
{
    ui->setupUi(this);
    updateStepButtons();
}

FComboBox::~FComboBox()
{
    delete ui;
}

void FComboBox::addItem(const QString &text, const QVariant &data)
{
    mEntries.append({text, data});
    updateStepButtons();
}

void FComboBox::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    mCurrent = index;
    showCurrent();
    updateStepButtons();
    emit activated(mCurrent);
}

int FComboBox::currentIndex() const
{
    return mCurrent;
}

int FComboBox::count() const
{
    return mEntries.size();
}

QVariant FComboBox::itemData(int index, int role) const
{
    Q_UNUSED(role)
    if (index < 0 || index >= count())
        return {};
    return mEntries.at(index).data;
}

// With the entries in ascending order, up means more: a faster rate.
void FComboBox::on_pBtn_Up_clicked()
{
    step(1);
}

void FComboBox::on_pBtn_Down_clicked()
{
    step(-1);
}

void FComboBox::step(int delta)
{
    const int target = mCurrent + delta;
    if (target < 0 || target >= count())
        return;
    mCurrent = target;
    showCurrent();
    updateStepButtons();
    emit activated(mCurrent);
}

void FComboBox::retranslate()
{
    ui->retranslateUi(this);
    // A selector without entries has nothing to show or report.
    if (mEntries.isEmpty())
        return;
    showCurrent();
    emit activated(mCurrent);
}

void FComboBox::showCurrent()
{
    ui->lbl_Text->setText(mEntries.at(mCurrent).text);
}

// A button is enabled only while there is an entry to step to, so neither
// end of the list offers a click that does nothing.
void FComboBox::updateStepButtons()
{
    ui->pBtn_Up->setEnabled(mCurrent < count() - 1);
    ui->pBtn_Down->setEnabled(mCurrent > 0);
}
