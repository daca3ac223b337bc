#include "MapWebView.h"

#include "Configuration.h"
#include "LanguageList.h"
#include "MapPagesFolder.h"

#include <QDir>
#include <QUrl>
#include <QWebEngineSettings>

#include <cmath>

MapWebView::MapWebView(QWidget *parent)
    : QWebEngineView(parent)
{
    qRegisterMetaType<MapPoint>("MapPoint");
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The pages are local files that draw the services' tiles from the web.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    setMapType(Configuration::instance()->maps());
}

QString MapWebView::pageFileName(MapTypes type, int language)
{
    switch (type) {
    case BaiduMap:
        return QStringLiteral("BaiduMapIndex.html");
    case GoogleMap:
        return QStringLiteral("WG_GoogleMapIndex_%1.html").arg(LanguageList::googlePageSuffix(language));
    }
    return QString();
}

QString MapWebView::pointScript(const MapPoint &point)
{
    return QStringLiteral("mapAddPoint(%1, %2, %3);")
        .arg(QString::number(point.longitude, 'f', 6), QString::number(point.latitude, 'f', 6),
             QString::number(point.second));
}

void MapWebView::setMapType(MapTypes type)
{
    // Only the Google pages differ by language; asking for it otherwise
    // would write the locale's choice into the debug log for nothing.
    const int language = type == GoogleMap ? Configuration::instance()->language() : LanguageList::english;
    const QString fileName = pageFileName(type, language);
    if (fileName.isEmpty())
        return;
    load(QUrl::fromLocalFile(QDir(MapPagesFolder::path()).filePath(fileName)));
}

void MapWebView::addPoint(const MapPoint &point)
{
    // "nan" or "inf" in the script would only be a script error: there is
    // nothing to draw.
    if (!std::isfinite(point.longitude) || !std::isfinite(point.latitude))
        return;
    page()->runJavaScript(pointScript(point));
}

void MapWebView::clearAll()
{
    page()->runJavaScript(QStringLiteral("mapClearAll();"));
}
