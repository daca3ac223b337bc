#pragma once

#include "TimelineTrip.h"

#include <QPixmap>
#include <QWidget>

// A strip across the video area that shows the playing trip: its speed over
// time, where one clip ends and the next begins, the G-sensor events and the
// playhead. A click or a drag asks for that second of the trip; the pointer
// resting over the strip tells the time, speed and clip there. A stretch
// marked for export shows as a highlighted band. It draws what it is given
// and decides nothing.
class TripTimeline : public QWidget
{
    Q_OBJECT
public:
    explicit TripTimeline(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    const TimelineTrip &trip() const { return mTrip; }
    int playheadSecond() const { return mPlayhead; }
    // The marked stretch in trip seconds, the end exclusive; -1 for a mark
    // not set.
    int rangeFrom() const { return mRangeFrom; }
    int rangeTo() const { return mRangeTo; }
    // The trip second under x (the strip spans the whole width); -1 without a trip.
    int secondAt(int x) const;
    // What the tool tip over x says; empty without a trip.
    QString hoverText(int x) const;

public slots:
    void setTrip(const TimelineTrip &trip);
    // -1 hides the playhead.
    void setPlayheadSecond(int second);
    // 0: kilometres per hour; any other value: miles per hour.
    void setSpeedUnit(int unit);
    // The marked stretch [from, to); either may be -1 while only one end is
    // marked, which shows as that end's edge alone.
    void setRange(int fromTripSecond, int toTripSecond);
    void clearRange();

signals:
    void seekRequested(int tripSecond);
    void rangeChanged(int from, int to);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double xOf(double second) const;
    void requestSeekAt(int x);
    void paintBackdrop();
    void paintClips(QPainter &painter) const;
    void paintSpeed(QPainter &painter) const;
    void paintEvents(QPainter &painter) const;
    void paintRange(QPainter &painter) const;
    QString speedText(float kmh) const;
    const TimelineTrip::Speed *speedAt(int second) const;
    const TimelineTrip::Clip *clipAt(int second) const;

    TimelineTrip mTrip;
    QPixmap mBackdrop;          // everything but the playhead, for the current size
    bool mBackdropStale = true; // the trip or the size changed since it was drawn
    int mPlayhead = -1;
    int mRangeFrom = -1;
    int mRangeTo = -1;
    int mLastRequested = -1;    // during a drag, the second asked for last
    bool mDragging = false;
    bool mMiles = false;
};
