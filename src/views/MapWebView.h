#pragma once

#include "MapPoint.h"
#include "MapTypes.h"

#include <QString>
#include <QUrl>
#include <QVector>
#include <QWebEngineView>

// The track of the playing file on the map page of a service. The page
// draws the track; the view hands it points through the page's script
// functions, without waiting for them. The view also keeps the points it was
// given, so that a page that loads again (another language or service) shows
// the whole track, and points given while a page loads are not lost.
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

public slots:
    // Loads the page of `type` in `language`, unless it is the page already
    // shown; an unknown service leaves the page as it is.
    void setPage(MapTypes type, int language);
    void addPoint(const MapPoint &point);
    void clearAll();

private:
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void keep(const MapPoint &point);

    QVector<MapPoint> mTrack;  // every point since the last clear, in order
    QUrl mPageUrl;
    bool mPageReady = false;   // the page's script functions can be called
    bool mPageFailed = false;
};
