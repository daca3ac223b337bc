#pragma once

#include "MapPoint.h"
#include "MapTypes.h"

#include <QString>
#include <QUrl>
#include <QVector>
#include <QWebEngineView>

class MapPageBridge;
class QWebChannel;

// The track of the playing file on the map page of a service. The page
// draws the track; the view hands it points through the page's script
// functions, without waiting for them. The view also keeps the points it was
// given, so that a page that loads again (another language or service) shows
// the whole track, and points given while a page loads are not lost.
//
// While a trip plays, the view shows the trip's whole route instead: the
// route as a quiet line, the part driven up to the current trip second over
// it and the position there. A click on or near the route comes back as the
// trip second of the nearest point of it.
class MapWebView : public QWebEngineView
{
    Q_OBJECT
public:
    // A day of driving at one point per second; older points are let go.
    static constexpr int maximumKeptPoints = 86400;

    explicit MapWebView(QWidget *parent = nullptr);

    // The page file of a map service in the interface language `language`;
    // empty for an unknown service.
    static QString pageFileName(MapTypes type, int language);
    // The script that adds `point` to the page's track.
    static QString pointScript(const MapPoint &point);

    // Where the pages are looked for; the program's own folder by default.
    void setPagesFolder(const QString &folder) { mPagesFolder = folder; }
    const QVector<MapPoint> &route() const { return mRoute; }

public slots:
    // Loads the page of `type` in `language`, unless it is the page already
    // shown; an unknown service leaves the page as it is.
    void setPage(MapTypes type, int language);
    void addPoint(const MapPoint &point);
    void clearAll();
    // The route of the playing trip, every point with its trip second, in
    // trip order; shown whole. Points are not added to the track while
    // there is a route. Empty: back to the track of the playing file.
    void setRoute(const QVector<MapPoint> &route);
    // The route is driven up to `tripSecond`.
    void setRouteSecond(int tripSecond);

signals:
    // The user clicked on the route at the point of `tripSecond`.
    void routePointClicked(int tripSecond);
    // The map page at `path` could not be shown: the map stays empty.
    void pageFailed(const QString &path);

private:
    void showRoute();
    void onRouteClicked(int tripSecond);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void keep(const MapPoint &point);

    QVector<MapPoint> mTrack;  // every point since the last clear, in order
    QVector<MapPoint> mRoute;  // the playing trip's, in trip order
    int mRouteSecond = -1;
    MapPageBridge *mBridge;
    QWebChannel *mChannel;
    QUrl mPageUrl;
    QString mPagesFolder;
    bool mPageReady = false;   // the page's script functions can be called
    bool mPageFailed = false;
};
