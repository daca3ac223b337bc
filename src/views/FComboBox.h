#pragma once

#include "RateItem.h"

#include <QVector>
#include <QWidget>

namespace Ui {
class FComboBox;
}

// A compact selector: a text label with two small arrow buttons that step
// through a list of entries. Every change of the selection, from a button,
// from code or after a language change, is reported through activated().
class FComboBox : public QWidget
{
    Q_OBJECT
public:
    explicit FComboBox(QWidget *parent = nullptr);
    ~FComboBox() override;

    void addItem(const QString &text, const QVariant &data);
    // Out-of-range indexes are ignored; the current entry is re-selected and re-reported.
    void setCurrentIndex(int index);
    int currentIndex() const;
    int count() const;
    // An invalid QVariant for an index outside the list; the role is ignored.
    QVariant itemData(int index, int role = Qt::UserRole) const;

public slots:
    // Re-applies the texts in the interface language now installed and
    // reports the current entry again.
    void retranslate();

signals:
    void activated(int index);

private slots:
    void on_pBtn_Up_clicked();
    void on_pBtn_Down_clicked();

private:
    void step(int delta);
    void showCurrent();
    void updateStepButtons();

    Ui::FComboBox *ui;
    QVector<RateItem> mEntries;
    int mCurrent = 0;
};
