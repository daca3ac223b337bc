#pragma once

#include "MapPoint.h"
#include "TimelineTrip.h"

#include <QObject>
#include <QVector>

class PlaylistModel;
class PlaybackController;

// Keeps the trip views on the playing trip: gathers the trip's clips and
// tracks from the playlist whenever the trip or its tracks change, hands
// out the timeline's value and the map's route, and follows playback with
// the trip second. The views get values only; this object decides nothing
// about playback.
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
    void refresh();
    void followPosition(int trip, int tripSecond);

    PlaylistModel *mModel;
    PlaybackController *mPlayback;
    int mTrip = -1;
    int mTripSecond = -1;
};
