#pragma once

#include "ExportRequest.h"

#include <QDialog>

namespace Ui {
class ExportDialog;
}

// What the user chooses for the export of a marked stretch: the output
// file (proposed in the still-image folder, named after the trip's start
// and the stretch), the cameras' layout, the telemetry overlay, the sound
// and a quality preset. The two-camera layouts are offered only when every
// clip of the stretch has its second camera's file. It is given the
// request's clips and hands back the whole request; it starts nothing.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ExportDialog(QWidget *parent = nullptr);
    ~ExportDialog() override;

    // The stretch [fromTripSecond, toTripSecond) of the trip that started
    // at `tripStartUtcMsecs`, with `draft`'s clips; the file is proposed in
    // `folder`.
    void setStretch(const ExportRequest &draft, qint64 tripStartUtcMsecs, int fromTripSecond, int toTripSecond,
                    const QString &folder);
    ExportRequest request() const;

    // The output path as typed, made absolute and given the .mp4 ending it lacks.
    static QString normalisedPath(const QString &typed);

public slots:
    void accept() override;

private slots:
    void on_pBtn_Browse_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillChoices();
    void showStretch();

    Ui::ExportDialog *ui;
    ExportRequest mDraft;
    qint64 mTripStart = 0;
    int mFrom = 0;
    int mTo = 0;
};
