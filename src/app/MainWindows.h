#pragma once

#include "GpsData.h"

#include <QDialog>
#include <QList>
#include <QModelIndex>
#include <QString>
#include <QUrl>

class BatchOpener;
class ExportFlow;
class ExportQueue;
class NoticeBar;
class PlaylistModel;
class QCloseEvent;
class PlaybackController;
class PlaybackKeys;
class TripViewFeed;
class PlaylistColumns;
class QFileDialog;
class QKeyEvent;
struct PlaylistRow;
class BatchOpener;
class ExportFlow;

namespace Ui {
class MainWindows;
}

// The player's only top-level window: a frameless dark window with the video
// area, the control bar, the playlist table and the telemetry column. It owns
// the playlist model, connects the components to each other and carries out
// what the user asks for: open, play, pause, step between files, stop, seek
// by key and change the interface language.
class MainWindows : public QDialog
{
    Q_OBJECT
public:
    explicit MainWindows(QWidget *parent = nullptr);
    ~MainWindows() override;

    // What the open dialog does with the files the user picked: lists them,
    // remembers their folder for the next dialog and plays the first.
    void openFiles(const QList<QUrl> &urls);
    // What the folder dialog does with the folder the user picked: lists
    // every recording in and below it (a card's front and rear folders
    // together) in the order they were recorded, remembers the folder and
    // plays the first; a folder without recordings is named in a notice.
    void openFolder(const QString &folder);
    // Files handed over at launch: listed and the first played, like files
    // dropped on the video area (the open dialog's folder stays as it was).
    void openLaunchFiles(const QList<QUrl> &urls);
    // Files a later start of the program handed over: opened like launch
    // files, and the window comes to the front, even with nothing to open.
    void openHandedOverFiles(const QList<QUrl> &urls);
    // Files named at launch that do not exist: one notice lists them all.
    void reportMissingFiles(const QStringList &paths);
    // Something the user must know of that has no place of its own.
    void reportProblem(const QString &text);
    // What plays; the window only shows what it announces.
    PlaybackController *playback() const;
    // The exports the user asked for, one at a time.
    ExportQueue *exports() const;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onUpdateLanguage();
    void openFile();
    void chooseFolder();
    void onRowStarted(int rowId, int companionRowId, bool continuesTrip);
    void onStopped();
    void on_pBtn_Step_clicked();
    void on_pBtn_Minimize_clicked();
    void on_pBtn_Maximize_clicked();
    void on_pBtn_Close_clicked();
    void showSample(const GpsData &data);
    void onKeyPressEvent(QKeyEvent *e);
    void showSettingsNotices();

private:
    // The playlist's height until the user moves the splitter above it.
    static constexpr int defaultPlaylistHeight = 150;

    void setUpTable();
    void setUpSplitter();
    // Volume and mute as the user left them, kept as the user changes them.
    void restoreSound();
    void connectComponents();
    // Stills saved or not, files that cannot be opened or played.
    void connectFailureReports();
    void connectPlayback();
    void connectTripViews();
    void setTitle(const QString &text);
    void setFileName(const QString &text);
    void showMaximizeState();
    // The map page of the configured service, in the interface language.
    void showMapPage();
    // Every speed shown from now on in `unit` (0 km/h, else mph).
    void showSpeedUnit(int unit);
    // The open dialogs start in the last folder used, with the recent ones at hand.
    void prepareOpenDialog(QFileDialog &dialog);
    void rememberFolder(const QString &folder);
    // What makes a trip and an event, as the settings hold it.
    void applyTripSettings();
    void showPlayingName();
    // The row the user picked in the table, or -1.
    int selectedRow() const;

    Ui::MainWindows *ui;
    PlaylistModel *mPlaylistModel = nullptr;
    // Full texts of the header labels, elided again whenever a label resizes.
    QString mTitle;
    QString mFileName;
    BatchOpener *mOpener = nullptr;
    // Short messages over the video area; anything may feed it.
    NoticeBar *mNotices = nullptr;
    PlaybackController *mPlayback = nullptr;
    PlaybackKeys *mKeys = nullptr;
    TripViewFeed *mTripViews = nullptr;
    ExportFlow *mExport = nullptr;
    PlaylistColumns *mColumns = nullptr;
    int mShownTrip = -1;  // the trip whose summary the header shows
};
