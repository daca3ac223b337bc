#include "MapArea.h"

#include "MapWebView.h"

#include <QTimer>
#include <QVBoxLayout>

MapArea::MapArea(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

MapWebView *MapArea::view() const
{
    return mView;
}

void MapArea::setPage(MapTypes type, int language)
{
    mType = type;
    mLanguage = language;
    mPageSet = true;
    if (mView)
        mView->setPage(type, language);
}

void MapArea::addPoint(const MapPoint &point)
{
    if (mView)
        mView->addPoint(point);
    else if (mPendingPoints.size() < MapWebView::maximumKeptPoints)
        mPendingPoints.append(point);
}

void MapArea::clearAll()
{
    if (mView)
        mView->clearAll();
    mPendingPoints.clear();
}

void MapArea::setRoute(const QVector<MapPoint> &route)
{
    mRoute = route;
    if (mView)
        mView->setRoute(route);
}

void MapArea::setRouteSecond(int tripSecond)
{
    mRouteSecond = tripSecond;
    mRouteSecondSet = true;
    if (mView)
        mView->setRouteSecond(tripSecond);
}

// The first paint is on its way to the screen; the view follows in the next
// turn of the event loop.
void MapArea::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (mView || mViewScheduled)
        return;
    mViewScheduled = true;
    QTimer::singleShot(0, this, &MapArea::createView);
}

void MapArea::createView()
{
    mView = new MapWebView(this);
    mView->setObjectName(QStringLiteral("wgt_MapView"));
    layout()->addWidget(mView);
    connect(mView, &MapWebView::routePointClicked, this, &MapArea::routePointClicked);
    connect(mView, &MapWebView::pageFailed, this, &MapArea::pageFailed);
    if (mPageSet)
        mView->setPage(mType, mLanguage);
    if (!mRoute.isEmpty())
        mView->setRoute(mRoute);
    if (mRouteSecondSet)
        mView->setRouteSecond(mRouteSecond);
    for (const MapPoint &point : qAsConst(mPendingPoints))
        mView->addPoint(point);
    mPendingPoints.clear();
    mPendingPoints.squeeze();
    emit viewCreated(mView);
}
