#include "ExportFlow.h"

#include "Configuration.h"
#include "ExportDialog.h"
#include "ExportPanel.h"
#include "ExportPlanner.h"
#include "ExportQueue.h"
#include "NoticeBar.h"
#include "PlaybackController.h"
#include "PlaybackKeys.h"
#include "PlaylistModel.h"
#include "TripRangeMarks.h"
#include "TripTimeline.h"
#include "TripViewFeed.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

ExportFlow::ExportFlow(PlaylistModel *model, PlaybackController *playback, TripViewFeed *tripViews,
                       PlaybackKeys *keys, const Controls &controls, QWidget *window)
    : QObject(window)
    , mModel(model)
    , mPlayback(playback)
    , mControls(controls)
    , mWindow(window)
    , mMarks(new TripRangeMarks(this))
    , mQueue(new ExportQueue(this))
{
    connectMarks(tripViews, keys);
    connectProgress();
}

// An export still running goes with its temporary files; nothing it
// reports on the way reaches the window.
ExportFlow::~ExportFlow()
{
    mQueue->disconnect();
    delete mQueue;
}

ExportQueue *ExportFlow::queue() const
{
    return mQueue;
}

void ExportFlow::connectMarks(TripViewFeed *tripViews, PlaybackKeys *keys)
{
    connect(tripViews, &TripViewFeed::timelineChanged, mMarks, [this, tripViews](const TimelineTrip &trip) {
        mMarks->setTrip(trip.durationSeconds > 0 ? tripViews->trip() : -1, trip.startUtcMsecs);
    });
    const auto markIn = [this] { mMarks->markIn(mPlayback->currentTripSecond()); };
    const auto markOut = [this] { mMarks->markOut(mPlayback->currentTripSecond()); };
    connect(keys, &PlaybackKeys::markIn, mMarks, markIn);
    connect(keys, &PlaybackKeys::markOut, mMarks, markOut);
    connect(mControls.markIn, &QPushButton::clicked, mMarks, markIn);
    connect(mControls.markOut, &QPushButton::clicked, mMarks, markOut);
    connect(mMarks, &TripRangeMarks::changed, mControls.timeline, &TripTimeline::setRange);
    connect(mControls.timeline, &TripTimeline::rangeChanged, mControls.exportButton, [this] {
        mControls.exportButton->setEnabled(mMarks->isComplete());
    });
    mControls.exportButton->setEnabled(false);
    connect(mControls.exportButton, &QPushButton::clicked, this, &ExportFlow::exportStretch);
}

void ExportFlow::connectProgress()
{
    ExportPanel *panel = mControls.panel;
    connect(mQueue, &ExportQueue::started, panel, &ExportPanel::showStarted);
    connect(mQueue, &ExportQueue::progress, panel, &ExportPanel::setProgress);
    connect(mQueue, &ExportQueue::queueChanged, panel, [this, panel] {
        panel->setWaiting(mQueue->waitingCount());
        if (!mQueue->isBusy())
            panel->finish();
    });
    connect(panel, &ExportPanel::cancelRequested, mQueue, &ExportQueue::cancelCurrent);
    connect(mQueue, &ExportQueue::finished, this, [this](const QString &path, bool ok, const QString &message) {
        const QString shown = QDir::toNativeSeparators(path);
        if (ok)
            mControls.notices->showNotice(tr("Exported %1").arg(shown));
        else
            mControls.notices->showNotice(tr("Could not export %1: %2").arg(shown, message), NoticeBar::Problem);
    });
}

void ExportFlow::exportStretch()
{
    const int trip = mMarks->trip();
    if (!mMarks->isComplete() || trip < 0 || trip >= mModel->trips().size())
        return;
    ExportRequest draft = ExportPlanner::request(*mModel, trip, mMarks->from(), mMarks->to());
    if (draft.clips.isEmpty()) {
        mControls.notices->showNotice(tr("The marked stretch holds no recording"), NoticeBar::Problem);
        return;
    }
    draft.milesPerHour = Configuration::instance()->speedUnit() != 0;
    ExportDialog dialog(mWindow);
    dialog.setStretch(draft, mModel->trips().at(trip).startUtcMsecs, mMarks->from(), mMarks->to(), stillFolder());
    if (dialog.exec() == QDialog::Accepted)
        mQueue->enqueue(dialog.request());
}

QString ExportFlow::stillFolder()
{
    const QString folder = Configuration::instance()->screenshotSavePath();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : Configuration::defaultScreenshotSavePath();
}

bool ExportFlow::confirmClose()
{
    if (!mQueue->isBusy())
        return true;
    const auto answer = QMessageBox::question(
        mWindow, mWindow->windowTitle(),
        tr("An export is still running. Closing the window cancels it, and its file is not written. Close anyway?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    mQueue->cancelAll();
    return true;
}
