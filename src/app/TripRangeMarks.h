#pragma once

#include <QObject>

// The stretch of the playing trip the user marks for export, in trip
// seconds: the start at the second playing when it is marked, the end just
// after the second playing then, so that the second in view is part of it.
// A mark that would put the end at or before the start drops the other one;
// another trip drops both. It holds values only; the timeline shows them.
class TripRangeMarks : public QObject
{
    Q_OBJECT
public:
    explicit TripRangeMarks(QObject *parent = nullptr);

    // The trip the marks belong to, known by its start time, which stays
    // when the trips are numbered anew.
    void setTrip(int trip, qint64 tripStartUtcMsecs);
    int trip() const { return mTrip; }
    int from() const { return mFrom; }
    int to() const { return mTo; }   // exclusive
    bool isComplete() const { return mFrom >= 0 && mTo > mFrom; }

public slots:
    void markIn(int tripSecond);
    void markOut(int tripSecond);
    void clear();

signals:
    // -1 for a mark not set.
    void changed(int from, int to);

private:
    void set(int from, int to);

    int mTrip = -1;
    qint64 mTripStart = 0;
    int mFrom = -1;
    int mTo = -1;
};
