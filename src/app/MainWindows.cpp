#include "MainWindows.h"
#include "ui_MainWindows.h"

#include "ApplicationIdentity.h"
#include "BatchOpener.h"
#include "CameraTime.h"
#include "Configuration.h"
#include "ControlPanel.h"
#include "DirectionTray.h"
#include "ExportFlow.h"
#include "ExportPanel.h"
#include "GyroChartView.h"
#include "HeaderText.h"
#include "MapPoint.h"
#include "MapArea.h"
#include "MoveFilter.h"
#include "NoticeBar.h"
#include "PlayAreaManager.h"
#include "PlaybackController.h"
#include "PlaybackKeys.h"
#include "PlaylistColumns.h"
#include "PlaylistShading.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "RecordingFiles.h"
#include "Setting.h"
#include "SpeedTray.h"
#include "TripTimeline.h"
#include "TripViewFeed.h"
#include "VideoFile.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>

namespace {

const char *const verticalScrollBarStyle =
    "QScrollBar:vertical{width: 8px; background: rgb(40, 40, 48); margin: 0px; border: none;}"
    "QScrollBar::handle:vertical{background: rgb(60, 60, 68); border-radius: 5px; min-height: 20px;}"
    "QScrollBar::handle:vertical:hover{background: rgb(200, 200, 200);}"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px; border: none;}"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: none;}";

const char *const horizontalScrollBarStyle =
    "QScrollBar:horizontal{height: 8px; background: rgb(40, 40, 48); margin: 0px; border: none;}"
    "QScrollBar::handle:horizontal{background: rgb(60, 60, 68); border-radius: 5px; min-width: 20px;}"
    "QScrollBar::handle:horizontal:hover{background: rgb(200, 200, 200);}"
    "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal{width: 0px; border: none;}"
    "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal{background: none;}";

QString coordinateText(char hemisphere, double degrees)
{
    const QString letter = hemisphere ? QString(QLatin1Char(hemisphere)) : QString();
    return letter + QString::number(degrees, 'f', 6);
}

// The map takes signed degrees; the camera stores magnitudes and letters.
MapPoint mapPoint(const GpsData &data)
{
    MapPoint point;
    point.second = data.second;
    point.longitude = signedLongitude(data);
    point.latitude = signedLatitude(data);
    return point;
}

} // namespace

MainWindows::MainWindows(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MainWindows)
{
    ui->setupUi(this);
    setWindowTitle(QCoreApplication::applicationName());

    MoveFilter *moveFilter = MoveFilter::install(this, this);
    connect(moveFilter, &MoveFilter::doubleClicked, this, &MainWindows::on_pBtn_Maximize_clicked);

    ui->wgt_Grip->setEnabled(false);
    setSizeGripEnabled(true);
    ui->wgt_PlayCtrl->setFocusPolicy(Qt::StrongFocus);

    mPlaylistModel = new PlaylistModel(this);
    // Where the user left the window, before the splitter shares its height.
    restoreGeometry(Configuration::instance()->windowGeometry());
    setUpTable();
    setUpSplitter();
    mNotices = new NoticeBar(this);
    mNotices->setObjectName(QStringLiteral("wgt_Notices"));
    mNotices->setAnchor(ui->wgt_PlayArea);
    mOpener = new BatchOpener(mPlaylistModel, this);
    mPlayback = new PlaybackController(mPlaylistModel, ui->wgt_PlayArea, this);
    mKeys = new PlaybackKeys(this);

    ui->wgt_PlayCtrl->setState(mPlayback->state());
    ui->wgt_PlayCtrl->setVolume(ui->wgt_PlayArea->volume());

    ui->lbl_Title->installEventFilter(this);
    ui->lbl_FileName->installEventFilter(this);
    setTitle(ApplicationIdentity::title());

    connectComponents();
    connectPlayback();
    connectTripViews();
    mExport = new ExportFlow(mPlaylistModel, mPlayback, mTripViews, mKeys,
                             {ui->wgt_TripTimeline, ui->pBtn_MarkIn, ui->pBtn_MarkOut, ui->pBtn_Export,
                              ui->wgt_ExportPanel, mNotices},
                             this);
    restoreSound();
    showMaximizeState();
    // What went wrong with the settings file before the window existed,
    // told once the window is on screen to place the message over it.
    QTimer::singleShot(0, this, &MainWindows::showSettingsNotices);
}

MainWindows::~MainWindows()
{
    // Nothing may list a file or start one while the model goes: the batch
    // still being listed is dropped, the controller (which asks the model
    // about rows) goes, and the components are cut off from the window's
    // slots, which would reach the model being destroyed.
    delete mOpener;
    mOpener = nullptr;
    delete mExport;
    mExport = nullptr;
    delete mTripViews;
    mTripViews = nullptr;
    delete mPlayback;
    mPlayback = nullptr;
    delete mColumns; // it measures the model's rows
    mColumns = nullptr;
    for (QObject *sender : std::initializer_list<QObject *>{
             ui->wgt_PlayArea, ui->wgt_PlayCtrl, ui->tbl_PlayListView, mPlaylistModel, Configuration::instance()})
        sender->disconnect(this);
    ui->wgt_PlayArea->stop();
    delete mPlaylistModel;
    mPlaylistModel = nullptr;
    delete ui;
}

void MainWindows::setUpTable()
{
    QTableView *table = ui->tbl_PlayListView;
    table->setModel(mPlaylistModel);
    table->setAlternatingRowColors(true);
    table->setFocusPolicy(Qt::NoFocus);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->setShowGrid(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->verticalHeader()->setDefaultSectionSize(38);
    // The name takes the room the other columns leave; a name cut short
    // shows whole in its tool tip.
    table->setItemDelegate(new PlaylistShading(table));
    mColumns = new PlaylistColumns(table, PlaylistModel::FileNameColumn);
    mColumns->restore(Configuration::instance()->playlistColumns());
    connect(mColumns, &PlaylistColumns::widthsChanged, this, [](const QByteArray &widths) {
        Configuration::instance()->setPlaylistColumns(widths);
    });
    // A copied card's file dates are the copy's: the camera's own time of
    // recording takes their place.
    table->setColumnHidden(PlaylistModel::CreateDateColumn, true);
    table->verticalScrollBar()->setStyleSheet(QLatin1String(verticalScrollBarStyle));
    table->horizontalScrollBar()->setStyleSheet(QLatin1String(horizontalScrollBarStyle));
}


// The user shares the height between the video and the playlist; the last
// share comes back at the next start.
void MainWindows::setUpSplitter()
{
    QSplitter *splitter = ui->splitter_Playlist;
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    if (!splitter->restoreState(Configuration::instance()->playlistSplitterState()))
        splitter->setSizes({height(), defaultPlaylistHeight});
    connect(splitter, &QSplitter::splitterMoved, this, [splitter] {
        Configuration::instance()->setPlaylistSplitterState(splitter->saveState());
    });
}

void MainWindows::showSettingsNotices()
{
    const QStringList notices = Configuration::instance()->takeNotices();
    if (notices.isEmpty())
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(), notices.join(QStringLiteral("\n\n")),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void MainWindows::restoreSound()
{
    Configuration *configuration = Configuration::instance();
    ui->wgt_PlayArea->setVolume(configuration->volume());
    ui->wgt_PlayArea->setMuted(configuration->muted());
    ControlPanel *panel = ui->wgt_PlayCtrl;
    connect(panel, &ControlPanel::changeVolume, configuration, &Configuration::setVolume);
    connect(panel, &ControlPanel::changeMuting, configuration, &Configuration::setMuted);
}

void MainWindows::connectComponents()
{
    ControlPanel *panel = ui->wgt_PlayCtrl;
    PlayAreaManager *playArea = ui->wgt_PlayArea;
    connect(panel, &ControlPanel::changeVolume, playArea, &PlayAreaManager::setVolume);
    connect(panel, &ControlPanel::changeMuting, playArea, &PlayAreaManager::setMuted);
    connect(panel, &ControlPanel::changeRate, playArea, &PlayAreaManager::setPlaybackRate);
    connect(panel, &ControlPanel::screenshot, playArea, [playArea] {
        // The folder as the settings hold it at this press.
        playArea->setScreenshotFolders(Configuration::instance()->screenshotSavePath(),
                                       Configuration::defaultScreenshotSavePath());
        playArea->setStillGpsTags(Configuration::instance()->stillGpsTags());
        playArea->screenshot();
    });
    // Asked at a press only; the model goes after the window's connections.
    playArea->setStillPointSource([this](int rowId, int second) {
        return mPlaylistModel ? mPlaylistModel->pointOf(rowId, second) : TrackPoint();
    });
    connect(panel, &ControlPanel::sliderStatusChanged, playArea, &PlayAreaManager::onSliderStatusChanged);
    connect(panel, &ControlPanel::openFile, this, &MainWindows::openFile);
    connect(panel, &ControlPanel::openFolder, this, &MainWindows::chooseFolder);
    connect(playArea, &PlayAreaManager::volumeChanged, panel, &ControlPanel::setVolume);
    connect(playArea, &PlayAreaManager::mutedChanged, panel, &ControlPanel::setMuted);
    connect(playArea, &PlayAreaManager::keyPressSignals, this, &MainWindows::onKeyPressEvent);
    connect(playArea, &PlayAreaManager::filesDropped, mOpener, &BatchOpener::open);
    // The views get the settings' values from here, never from the store.
    Configuration *configuration = Configuration::instance();
    connect(configuration, &Configuration::updateLanguage, panel, &ControlPanel::retranslate);
    connect(configuration, &Configuration::speedUnitChanged, this, &MainWindows::showSpeedUnit);
    showSpeedUnit(configuration->speedUnit());
    connect(configuration, &Configuration::tripSettingsChanged, this, &MainWindows::applyTripSettings);
    applyTripSettings();
    connect(Configuration::instance(), &Configuration::updateLanguage, this, &MainWindows::onUpdateLanguage);
    connect(Configuration::instance(), &Configuration::noticesPending, this, &MainWindows::showSettingsNotices);
    connectFailureReports();
    connect(Configuration::instance(), &Configuration::mapsChanged, this, &MainWindows::showMapPage);
    showMapPage();
}

void MainWindows::showSpeedUnit(int unit)
{
    ui->wgt_PlayCtrl->setSpeedUnit(unit);
    ui->wgt_Speed->setSpeedUnit(unit);
    ui->wgt_TripTimeline->setSpeedUnit(unit);
    mPlaylistModel->setSpeedUnit(unit);
    if (mPlayback && mPlayback->state() != QMediaPlayer::StoppedState)
        showPlayingName();
}

void MainWindows::applyTripSettings()
{
    Configuration *configuration = Configuration::instance();
    mPlaylistModel->setTripSettings(
        {configuration->tripGapSeconds(), configuration->horizontalEventG(), configuration->verticalEventG()});
}

void MainWindows::showMapPage()
{
    Configuration *configuration = Configuration::instance();
    ui->wgt_MapArea->setPage(configuration->maps(), configuration->language());
}

void MainWindows::connectFailureReports()
{
    PlayAreaManager *playArea = ui->wgt_PlayArea;
    connect(mOpener, &BatchOpener::fileRefused, this, [this](const QString &path, const QString &reason) {
        mNotices->showNotice(tr("Cannot open %1: %2").arg(path, reason), NoticeBar::Problem);
    });
    connect(playArea, &PlayAreaManager::stillSaved, this, [this](const QString &filePath) {
        mNotices->showNotice(tr("Saved %1").arg(QFileInfo(filePath).fileName()));
    });
    connect(playArea, &PlayAreaManager::stillFailed, this, [this](const QString &folder, const QString &reason) {
        mNotices->showNotice(tr("Could not save the still image into %1: %2").arg(folder, reason), NoticeBar::Problem);
    });
    connect(playArea, &PlayAreaManager::stillFolderReplaced, this,
            [this](const QString &folder, const QString &reason, const QString &fallback) {
                mNotices->showNotice(tr("Cannot use the still image folder %1 (%2); saving into %3 instead")
                                         .arg(folder, reason, fallback), NoticeBar::Problem);
            });
    connect(ui->wgt_MapArea, &MapArea::pageFailed, this, [this](const QString &path) {
        mNotices->showNotice(tr("The map page %1 could not be loaded: the map stays empty").arg(path), NoticeBar::Problem);
    });
}

// Every user action on playback goes to the controller, every report of the
// players comes through it, and the views show what it announces.
void MainWindows::connectPlayback()
{
    ControlPanel *panel = ui->wgt_PlayCtrl;
    PlayAreaManager *playArea = ui->wgt_PlayArea;
    PlaybackController *playback = mPlayback;
    connect(panel, &ControlPanel::play, playback, [this] { mPlayback->playOrResume(selectedRow()); });
    connect(panel, &ControlPanel::pause, playback, &PlaybackController::pause);
    connect(panel, &ControlPanel::stop, playback, &PlaybackController::stop);
    connect(panel, &ControlPanel::previous, playback, &PlaybackController::previous);
    connect(panel, &ControlPanel::next, playback, &PlaybackController::next);
    connect(panel, &ControlPanel::sliderMoved, playback, &PlaybackController::seek);
    connect(mKeys, &PlaybackKeys::togglePlay, playback, [this] { mPlayback->togglePlay(selectedRow()); });
    connect(mKeys, &PlaybackKeys::seekBy, playback, &PlaybackController::seekBy);
    connect(mKeys, &PlaybackKeys::toggleFullScreen, playArea, &PlayAreaManager::toggleFullScreen);
    connect(mKeys, &PlaybackKeys::previousClip, playback, &PlaybackController::previousClip);
    connect(mKeys, &PlaybackKeys::nextClip, playback, &PlaybackController::nextClip);
    connect(mKeys, &PlaybackKeys::previousEvent, playback, &PlaybackController::previousEvent);
    connect(mKeys, &PlaybackKeys::nextEvent, playback, &PlaybackController::nextEvent);
    connect(ui->tbl_PlayListView, &QTableView::doubleClicked, playback, [this](const QModelIndex &index) {
        if (index.isValid())
            mPlayback->playRow(index.row());
    });
    connect(mOpener, &BatchOpener::arrangeFor, playback, &PlaybackController::arrangeFor);
    connect(mOpener, &BatchOpener::playRow, playback, &PlaybackController::playRow);

    connect(playArea, &PlayAreaManager::stateChanged, playback, &PlaybackController::onPlayerStateChanged);
    connect(playArea, &PlayAreaManager::mediaStatusChanged, playback, &PlaybackController::onMediaStatusChanged);
    connect(playArea, &PlayAreaManager::positionChanged, playback, &PlaybackController::onPositionChanged);
    connect(playArea, &PlayAreaManager::durationChanged, playback, &PlaybackController::onDurationChanged);
    connect(playArea, &PlayAreaManager::mediaFailed, playback, &PlaybackController::onMediaFailed);
    connect(mPlaylistModel, &PlaylistModel::gpsDataChanged, playback, &PlaybackController::onSample);
    connect(mPlaylistModel, &PlaylistModel::dataChanged, playback, &PlaybackController::onRowsChanged);

    connect(playback, &PlaybackController::stateChanged, panel, &ControlPanel::setState);
    connect(playback, &PlaybackController::durationChanged, panel, &ControlPanel::setDuration);
    connect(playback, &PlaybackController::positionChanged, panel, &ControlPanel::setPosition);
    connect(playback, &PlaybackController::telemetryMissing, panel, &ControlPanel::showNoTelemetry);
    connect(playback, &PlaybackController::rowStarted, this, &MainWindows::onRowStarted);
    connect(playback, &PlaybackController::stopped, this, &MainWindows::onStopped);
    connect(playback, &PlaybackController::sampleShown, this, &MainWindows::showSample);
    connect(playback, &PlaybackController::tripPositionChanged, this, [this](int trip) {
        if (trip != mShownTrip && mPlayback->state() != QMediaPlayer::StoppedState)
            showPlayingName();
        mShownTrip = trip;
    });
}

// The timeline and the map show the playing trip; a click on either plays
// that moment of the trip.
void MainWindows::connectTripViews()
{
    TripTimeline *timeline = ui->wgt_TripTimeline;
    MapArea *map = ui->wgt_MapArea;
    mTripViews = new TripViewFeed(mPlaylistModel, mPlayback, this);
    QWidget *strip = ui->wgt_TripStrip;
    connect(mTripViews, &TripViewFeed::timelineChanged, timeline, [timeline, strip](const TimelineTrip &trip) {
        timeline->setTrip(trip);
        strip->setVisible(trip.durationSeconds > 0);
    });
    connect(mTripViews, &TripViewFeed::tripSecondChanged, timeline, &TripTimeline::setPlayheadSecond);
    connect(mTripViews, &TripViewFeed::routeChanged, map, &MapArea::setRoute);
    connect(mTripViews, &TripViewFeed::tripSecondChanged, map, &MapArea::setRouteSecond);
    const auto seek = [this](int tripSecond) { mPlayback->seekInTrip(mTripViews->trip(), tripSecond); };
    connect(timeline, &TripTimeline::seekRequested, mPlayback, seek);
    connect(map, &MapArea::routePointClicked, mPlayback, seek);
    strip->hide();
}

void MainWindows::onUpdateLanguage()
{
    ui->retranslateUi(this);
    // The form's texts know neither the window state nor the playing file.
    showMaximizeState();
    setFileName(mFileName);
    // The headers' texts have changed without a signal of the model's.
    mColumns->fitLater();
    ui->wgt_ExportPanel->retranslate();

    ApplicationIdentity::apply(tr("Fenmora"));
    setTitle(ApplicationIdentity::title());
    setWindowTitle(QCoreApplication::applicationName());
    // The Google pages are written in the interface language.
    showMapPage();
}

void MainWindows::prepareOpenDialog(QFileDialog &dialog)
{
    Configuration *configuration = Configuration::instance();
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(configuration->videoFilePath());
    const QStringList recent = configuration->recentFolders();
    dialog.setHistory(recent);
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString &folder : recent)
        if (!places.contains(QUrl::fromLocalFile(folder)))
            places << QUrl::fromLocalFile(folder);
    dialog.setSidebarUrls(places);
}

void MainWindows::rememberFolder(const QString &folder)
{
    Configuration::instance()->setVideoFilePath(folder);
    Configuration::instance()->addRecentFolder(folder);
}

void MainWindows::openFile()
{
    qDebug() << "open file--";
    QFileDialog dialog(this);
    prepareOpenDialog(dialog);
    dialog.setWindowTitle(tr("Open Files"));
    dialog.setNameFilter(VideoFile::nameFilters().join(QLatin1Char(' ')));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted)
        return;
    openFiles(dialog.selectedUrls());
}

void MainWindows::chooseFolder()
{
    QFileDialog dialog(this);
    prepareOpenDialog(dialog);
    dialog.setWindowTitle(tr("Open Folder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openFolder(dialog.selectedFiles().first());
}

void MainWindows::openFiles(const QList<QUrl> &urls)
{
    if (urls.isEmpty())
        return;
    rememberFolder(QFileInfo(VideoFile::localPath(urls.first())).absolutePath());
    qDebug() << "select file count:" << urls.size();
    mOpener->open(urls);
}

void MainWindows::openFolder(const QString &folder)
{
    const QStringList recordings = RecordingFiles::byRecordingTime(folder);
    if (recordings.isEmpty()) {
        mNotices->showNotice(tr("No recordings in %1").arg(QDir::toNativeSeparators(folder)), NoticeBar::Problem);
        return;
    }
    rememberFolder(folder);
    QList<QUrl> urls;
    for (const QString &path : recordings)
        urls << VideoFile::fileUrl(path);
    mOpener->open(urls);
}

void MainWindows::openLaunchFiles(const QList<QUrl> &urls)
{
    if (!urls.isEmpty())
        mOpener->open(urls);
}

void MainWindows::openHandedOverFiles(const QList<QUrl> &urls)
{
    openLaunchFiles(urls);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void MainWindows::reportMissingFiles(const QStringList &paths)
{
    if (!paths.isEmpty())
        mNotices->showNotice(tr("Not found: %1").arg(paths.join(QStringLiteral(", "))), NoticeBar::Problem);
}


void MainWindows::reportProblem(const QString &text)
{
    mNotices->showNotice(text, NoticeBar::Problem);
}

PlaybackController *MainWindows::playback() const
{
    return mPlayback;
}

ExportQueue *MainWindows::exports() const
{
    return mExport->queue();
}

int MainWindows::selectedRow() const
{
    const QModelIndexList selected = ui->tbl_PlayListView->selectionModel()->selectedRows(0);
    return selected.isEmpty() ? -1 : selected.first().row();
}

// Nothing of the previous file stays on screen, unless the file goes on
// with the same trip; the heading gauge keeps its last heading until the
// new file's first sample.
void MainWindows::onRowStarted(int rowId, int companionRowId, bool continuesTrip)
{
    Q_UNUSED(companionRowId)
    ui->tbl_PlayListView->selectRow(rowId);
    showPlayingName();
    if (continuesTrip)
        return;
    ui->wgt_PlayCtrl->clearTelemetry();
    ui->wgt_Speed->setSpeed(0);
    ui->gView_GyroChart->clearSamples();
    ui->wgt_MapArea->clearAll();
}

// The header names the playing file and sums up its trip.
void MainWindows::showPlayingName()
{
    const PlaylistRow *row = mPlaylistModel->rowAt(mPlayback->currentRow());
    QString text = row ? row->url.fileName(QUrl::FullyDecoded) : QString();
    const QString trip = mPlaylistModel->tripSummary(mPlayback->currentTrip());
    if (!text.isEmpty() && !trip.isEmpty())
        text += QStringLiteral("  \u2014  ") + trip;
    setFileName(text);
}

void MainWindows::onStopped()
{
    ui->wgt_Speed->setSpeed(0);
    ui->wgt_PlayCtrl->resetInfo();
    setFileName(QString());
}

void MainWindows::on_pBtn_Step_clicked()
{
    Setting setting(this);
    setting.exec();
}

void MainWindows::on_pBtn_Minimize_clicked()
{
    showMinimized();
}

void MainWindows::on_pBtn_Maximize_clicked()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    showMaximizeState();
}

void MainWindows::showMaximizeState()
{
    const bool maximized = isMaximized();
    ui->pBtn_Maximize->setChecked(maximized);
    ui->pBtn_Maximize->setToolTip(maximized ? tr("Restore Down") : tr("Maximize"));
}

void MainWindows::on_pBtn_Close_clicked()
{
    close();
}

// Closing ends the program, and what follows takes a while (the players,
// the map's engine, the workers): the window leaves the screen and the sound
// stops at once, out of sight of what is still being cleaned up. The X
// server learns of the hidden window only when the connection is flushed,
// which the event loop would have done had it not ended with this close.
void MainWindows::closeEvent(QCloseEvent *event)
{
    if (!mExport->confirmClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
    if (!event->isAccepted())
        return;
    mPlayback->stop();
    Configuration::instance()->setWindowGeometry(saveGeometry());
    hide();
    QGuiApplication::sync();
}

void MainWindows::showSample(const GpsData &data)
{
    ControlPanel *panel = ui->wgt_PlayCtrl;
    panel->setLongitudeAndLatitude(coordinateText(data.latHemisphere, data.latitude),
                                   coordinateText(data.lonHemisphere, data.longitude));
    // GPS time, which is UTC: shown as the camera wrote it, in any time zone.
    panel->setGpsDateTime(CameraTime::parse(data.dateTime));
    panel->setSpeed(data.speed);
    ui->wgt_Speed->setSpeed(data.speed);
    ui->wgt_Direction->setDirection(int(data.bearing));
    const double gForces[3] = {data.gX, data.gY, data.gZ};
    ui->gView_GyroChart->addSample(gForces);
    // A fix at exactly 0, 0 is a camera without satellites, not a place.
    if (data.latitude != 0 || data.longitude != 0)
        ui->wgt_MapArea->addPoint(mapPoint(data));
}

void MainWindows::keyPressEvent(QKeyEvent *e)
{
    qDebug() << "MainWindows::keyPressEvent" << e->key();
    if (e->key() == Qt::Key_Escape) {
        // A dialog would close on Escape; the player's window stays.
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

// Keys of a full-screen video, which is a window of its own.
void MainWindows::onKeyPressEvent(QKeyEvent *e)
{
    if (mKeys->handle(e))
        e->accept();
}

void MainWindows::setTitle(const QString &text)
{
    mTitle = text;
    HeaderText::setTitle(ui->lbl_Title, text);
}

void MainWindows::setFileName(const QString &text)
{
    mFileName = text;
    HeaderText::setFileName(ui->lbl_FileName, text);
}

bool MainWindows::eventFilter(QObject *watched, QEvent *event)
{
    // The header's texts are elided for their label's width; the layout
    // gives the labels their widths only later and changes them on resize.
    if (event->type() == QEvent::Resize) {
        if (watched == ui->lbl_Title)
            HeaderText::setTitle(ui->lbl_Title, mTitle);
        else if (watched == ui->lbl_FileName)
            HeaderText::setFileName(ui->lbl_FileName, mFileName);
    }
    return QDialog::eventFilter(watched, event);
}
