#pragma once

#include "MapPoint.h"
#include "TimelineTrip.h"

#include <QObject>
#include <QTimer>
#include <QVector>

class PlaylistModel;
class PlaybackController;

// Keeps the trip views on the playing trip: gathers the trip's clips and
// tracks from the playlist whenever the trip or its tracks change, hands
// out the timeline's value and the map's route, and follows playback with
// the trip second. The views get values only; this object decides nothing
// about playback.
//
// A card's tracks arrive in many small batches, each building the trips
// again; the views are rebuilt a tenth of a second after the first change,
// once for all that came meanwhile. A new trip is shown in the turn after
// the one that started its file, which is long enough on its own.
class TripViewFeed : public QObject
{
    Q_OBJECT
public:
    TripViewFeed(PlaylistModel *model, PlaybackController *playback, QObject *parent = nullptr);

    int trip() const { return mTrip; }

signals:
    // The playing trip's value; an empty one when no trip plays.
    void timelineChanged(const TimelineTrip &trip);
    void routeChanged(const QVector<MapPoint> &route);
    void tripSecondChanged(int tripSecond);

private:
    void scheduleRefresh(int delayMs);
    void refresh();
    void followPosition(int trip, int tripSecond);

    PlaylistModel *mModel;
    PlaybackController *mPlayback;
    int mTrip = -1;
    int mTripSecond = -1;
    QTimer mRefreshLater;
};
