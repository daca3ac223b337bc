#include "TripRangeMarks.h"

TripRangeMarks::TripRangeMarks(QObject *parent)
    : QObject(parent)
{
}

void TripRangeMarks::setTrip(int trip, qint64 tripStartUtcMsecs)
{
    const bool sameDrive = trip >= 0 && mTrip >= 0 && tripStartUtcMsecs == mTripStart;
    mTrip = trip;
    mTripStart = tripStartUtcMsecs;
    if (!sameDrive)
        clear();
}

void TripRangeMarks::markIn(int tripSecond)
{
    if (mTrip < 0 || tripSecond < 0)
        return;
    set(tripSecond, mTo > tripSecond ? mTo : -1);
}

void TripRangeMarks::markOut(int tripSecond)
{
    if (mTrip < 0 || tripSecond < 0)
        return;
    const int to = tripSecond + 1;
    set(mFrom >= 0 && mFrom < to ? mFrom : -1, to);
}

void TripRangeMarks::clear()
{
    set(-1, -1);
}

void TripRangeMarks::set(int from, int to)
{
    if (from == mFrom && to == mTo)
        return;
    mFrom = from;
    mTo = to;
    emit changed(mFrom, mTo);
}
