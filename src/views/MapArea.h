#pragma once

#include "MapPoint.h"
#include "MapTypes.h"

#include <QVector>
#include <QWidget>

class MapWebView;

// The place of the map in a window. Starting the web engine takes longer
// than the rest of the window together, so the map's web view is made only
// once the area has been painted: the window shows and answers first. What
// the area is given before then (the page to show, points of the track, a
// clear) reaches the view when it is made, in order, so no point is lost.
class MapArea : public QWidget
{
    Q_OBJECT
public:
    explicit MapArea(QWidget *parent = nullptr);

    // The web view, or null until the area has been painted.
    MapWebView *view() const;

public slots:
    void setPage(MapTypes type, int language);
    void addPoint(const MapPoint &point);
    void clearAll();
    void setRoute(const QVector<MapPoint> &route);
    void setRouteSecond(int tripSecond);

signals:
    // As MapWebView::routePointClicked.
    void routePointClicked(int tripSecond);
    // As MapWebView::pageFailed.
    void pageFailed(const QString &path);
    // The web view is made and has been given what came before.
    void viewCreated(MapWebView *view);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createView();

    MapWebView *mView = nullptr;
    bool mViewScheduled = false;
    MapTypes mType = GoogleMap;
    int mLanguage = -1;
    bool mPageSet = false;
    QVector<MapPoint> mPendingPoints;
    QVector<MapPoint> mRoute;
    int mRouteSecond = -1;
    bool mRouteSecondSet = false;
};
