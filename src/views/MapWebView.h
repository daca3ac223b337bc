#pragma once

#include "MapPoint.h"
#include "MapTypes.h"

#include <QString>
#include <QWebEngineView>

// The track of the playing file on the map page of the configured service.
// The track lives in the page: the view only loads the page and hands it
// points through the page's script functions, without waiting for them.
class MapWebView : public QWebEngineView
{
    Q_OBJECT
public:
    explicit MapWebView(QWidget *parent = nullptr);

    // The page file of a map service in the interface language `language`;
    // empty for an unknown service.
    static QString pageFileName(MapTypes type, int language);
    // The script that adds `point` to the page's track.
    static QString pointScript(const MapPoint &point);

public slots:
    void setMapType(MapTypes type);
    void addPoint(const MapPoint &point);
    void clearAll();
};
