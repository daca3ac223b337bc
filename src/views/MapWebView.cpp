#include "MapWebView.h"

#include "LanguageList.h"
#include "MapPageBridge.h"
#include "MapPagesFolder.h"

#include <QDir>
#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include <algorithm>

#include <cmath>

namespace {

// Points per script when a page gets the track again: a few tens of
// kilobytes each, however long the drive.
constexpr int replayBatch = 1000;

bool isFinite(const MapPoint &point)
{
    return std::isfinite(point.longitude) && std::isfinite(point.latitude);
}

// The route in pieces of `replayBatch` points, each "mapRouteAdd([lon, lat, second, ...]);".
QStringList routeScripts(const QVector<MapPoint> &route)
{
    QStringList scripts;
    QString script;
    for (int i = 0; i < route.size(); ++i) {
        script += QStringLiteral("%1%2,%3,%4").arg(script.isEmpty() ? QStringLiteral("mapRouteAdd([") : QStringLiteral(","),
                                                   QString::number(route[i].longitude, 'f', 6),
                                                   QString::number(route[i].latitude, 'f', 6),
                                                   QString::number(route[i].second));
        if ((i + 1) % replayBatch == 0 || i + 1 == route.size()) {
            scripts << script + QStringLiteral("]);");
            script.clear();
        }
    }
    return scripts;
}

// The page talks back through Qt's web channel script, which Qt WebChannel
// carries as a resource; it is put into every page before the page's own
// scripts, so the pages need no copy of it and load the same from file URLs.
QWebEngineScript webChannelScript()
{
    QFile file(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    QWebEngineScript script;
    if (!file.open(QIODevice::ReadOnly))
        return script;
    script.setName(QStringLiteral("qwebchannel"));
    script.setSourceCode(QString::fromUtf8(file.readAll()));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

} // namespace

MapWebView::MapWebView(QWidget *parent)
    : QWebEngineView(parent)
    , mBridge(new MapPageBridge(this))
    , mChannel(new QWebChannel(this))
    , mPagesFolder(MapPagesFolder::path())
{
    qRegisterMetaType<MapPoint>("MapPoint");
    mChannel->registerObject(QStringLiteral("vantrelMap"), mBridge);
    page()->setWebChannel(mChannel);
    page()->scripts().insert(webChannelScript());
    connect(mBridge, &MapPageBridge::routeClicked, this, &MapWebView::onRouteClicked);
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
    const QUrl url = QUrl::fromLocalFile(QDir(mPagesFolder).filePath(fileName));
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
    if (!isFinite(point) || !mRoute.isEmpty())
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

void MapWebView::setRoute(const QVector<MapPoint> &route)
{
    QVector<MapPoint> kept;
    std::copy_if(route.cbegin(), route.cend(), std::back_inserter(kept), isFinite);
    // The same route again (another clip of the trip starts) keeps its view.
    if (kept == mRoute)
        return;
    mRoute = kept;
    mRouteSecond = -1;
    // The route replaces the track: what was drawn of this file is on it.
    if (!mRoute.isEmpty())
        mTrack.clear();
    if (mPageReady)
        showRoute();
}

void MapWebView::setRouteSecond(int tripSecond)
{
    if (mRoute.isEmpty() || tripSecond == mRouteSecond)
        return;
    mRouteSecond = tripSecond;
    if (mPageReady)
        page()->runJavaScript(QStringLiteral("mapRouteAt(%1);").arg(tripSecond));
}

// The whole route, fitted into the view, driven up to the current second.
void MapWebView::showRoute()
{
    page()->runJavaScript(QStringLiteral("mapClearAll(); mapRouteClear();"));
    for (const QString &script : routeScripts(mRoute))
        page()->runJavaScript(script);
    page()->runJavaScript(QStringLiteral("mapRouteShow(); mapRouteAt(%1);").arg(mRouteSecond));
}

// Only seconds of the route are taken from the page.
void MapWebView::onRouteClicked(int tripSecond)
{
    const auto found = std::find_if(mRoute.cbegin(), mRoute.cend(),
                                    [tripSecond](const MapPoint &point) { return point.second == tripSecond; });
    if (found != mRoute.cend())
        emit routePointClicked(tripSecond);
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
    if (!ok)
        emit pageFailed(mPageUrl.toLocalFile());
    if (ok && !mRoute.isEmpty())
        showRoute();
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
