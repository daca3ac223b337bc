#include "TripViewFeed.h"

#include "PlaybackController.h"
#include "PlaylistModel.h"
#include "PlaylistRow.h"
#include "TripPresentation.h"

TripViewFeed::TripViewFeed(PlaylistModel *model, PlaybackController *playback, QObject *parent)
    : QObject(parent), mModel(model), mPlayback(playback)
{
    // Built again, the trips may be numbered anew: the controller, told
    // first, knows the playing one's new number.
    connect(model, &PlaylistModel::tripsChanged, this, &TripViewFeed::refresh);
    connect(playback, &PlaybackController::stopped, this, &TripViewFeed::refresh);
    connect(playback, &PlaybackController::tripPositionChanged, this, &TripViewFeed::followPosition);
}

// The playing trip's clips and tracks, as far as they are decoded.
void TripViewFeed::refresh()
{
    mTrip = mPlayback->currentTrip();
    mTripSecond = -1;
    if (mTrip < 0 || mTrip >= mModel->trips().size()) {
        emit timelineChanged(TimelineTrip());
        emit routeChanged({});
        return;
    }
    const Trip &trip = mModel->trips().at(mTrip);
    QVector<TelemetryTrack> tracks;
    QStringList names;
    for (int clip = 0; clip < trip.clips.size(); ++clip) {
        const int row = mModel->rowOfClip(mTrip, clip);
        const TelemetryTrack *track = mModel->trackOf(row);
        const PlaylistRow *playlistRow = mModel->rowAt(row);
        tracks.append(track ? *track : TelemetryTrack());
        names.append(playlistRow ? playlistRow->url.fileName(QUrl::FullyDecoded) : QString());
    }
    emit timelineChanged(TripPresentation::timeline(trip, tracks, names));
    emit routeChanged(TripPresentation::route(trip, tracks));
    followPosition(mTrip, mPlayback->currentTripSecond());
}

void TripViewFeed::followPosition(int trip, int tripSecond)
{
    if (trip != mTrip)
        return refresh();
    const int second = mTrip < 0 ? -1 : tripSecond;
    if (second == mTripSecond)
        return;
    mTripSecond = second;
    emit tripSecondChanged(second);
}
