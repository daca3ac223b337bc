#include "MapWebView.h"

#include "LanguageList.h"
#include "MapPagesFolder.h"

#include <QDir>
#include <QWebEngineSettings>

#include <cmath>

namespace {

// Points per script when a page gets the track again: a few tens of
// kilobytes each, however long the drive.
constexpr int replayBatch = 1000;

} // namespace

MapWebView::MapWebView(QWidget *parent)
    : QWebEngineView(parent)
{
    qRegisterMetaType<MapPoint>("MapPoint");
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The pages are local files that draw the services' tiles from the web.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    connect(this, &QWebEngineView::loadStarted, this, &MapWebView::onLoadStarted);
    connect(this, &QWebEngineView::loadFinished, this, &MapWebView::onLoadFinished);
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

void MapWebView::setPage(MapTypes type, int language)
{
    const QString fileName = pageFileName(type, language);
    if (fileName.isEmpty())
        return;
    const QUrl url = QUrl::fromLocalFile(QDir(MapPagesFolder::path()).filePath(fileName));
    // The same page again would only lose its view of the track.
    if (url == mPageUrl && !mPageFailed)
        return;
    mPageUrl = url;
    onLoadStarted();
    load(url);
}

void MapWebView::addPoint(const MapPoint &point)
{
    // "nan" or "inf" in the script would only be a script error: there is
    // nothing to draw.
    if (!std::isfinite(point.longitude) || !std::isfinite(point.latitude))
        return;
    keep(point);
    if (mPageReady)
        page()->runJavaScript(pointScript(point));
}

void MapWebView::clearAll()
{
    mTrack.clear();
    if (mPageReady)
        page()->runJavaScript(QStringLiteral("mapClearAll();"));
}

void MapWebView::keep(const MapPoint &point)
{
    // Let the oldest tenth go at once, not one point per second.
    if (mTrack.size() >= maximumKeptPoints)
        mTrack.remove(0, maximumKeptPoints / 10);
    mTrack.append(point);
}

void MapWebView::onLoadStarted()
{
    // Until the page's scripts have run, calls would find no functions.
    mPageReady = false;
    mPageFailed = false;
}

void MapWebView::onLoadFinished(bool ok)
{
    mPageFailed = !ok;
    mPageReady = ok;
    if (!ok || mTrack.isEmpty())
        return;
    // Starting with a clear makes a second finish of the same load harmless.
    QString script = QStringLiteral("mapClearAll();");
    for (int i = 0; i < mTrack.size(); ++i) {
        script += pointScript(mTrack[i]);
        if ((i + 1) % replayBatch == 0 || i + 1 == mTrack.size()) {
            page()->runJavaScript(script);
            script.clear();
        }
    }
}
