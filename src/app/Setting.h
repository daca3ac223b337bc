#pragma once

#include <QDialog>

class Configuration;
class QEvent;

namespace Ui {
class Setting;
}

// The modal settings dialog behind the setup button: language, map service,
// speed unit, screenshot folder and the GPS tags of stills, several windows,
// and what makes a trip and an event. It reads the configuration when it
// opens and writes every value back on Save; Cancel, the close button and
// Escape store nothing.
class Setting : public QDialog
{
    Q_OBJECT
public:
    // Edits the process-wide configuration.
    explicit Setting(QWidget *parent = nullptr);
    // Edits `configuration`, which must outlive the dialog.
    Setting(Configuration *configuration, QWidget *parent);
    ~Setting() override;

    // Shows a folder picked in the folder chooser; an empty answer (the
    // chooser was cancelled) keeps what is shown. Nothing is stored yet.
    void applyChosenFolder(const QString &folder);

    // Where the folder chooser starts: the user's Pictures folder, or home.
    static QString chooserStartFolder();

private slots:
    void on_pBtn_Choose_clicked();
    void on_pBtn_OK_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillLanguageList();
    void showConfiguration();

    Ui::Setting *ui;
    Configuration *mConfiguration;
};
