#include "MapArea.h"
#include "MapQuery.h"
#include "WindowSuite.h"

#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

namespace {

constexpr int timeout = 30000;

bool loadPage(MapWebView &view, MapTypes type, int language = 2)
{
    QSignalSpy finished(&view, &QWebEngineView::loadFinished);
    view.setPage(type, language);
    return finished.wait(timeout) && finished.last().at(0).toBool();
}

int pointCount(MapWebView &view) { return evaluate(&view, "mapPointCount()").toInt(); }

// Every tile request goes to a local server that answers with one grey
// pixel, or, while offline, nowhere.
class TileServer : public QWebEngineUrlRequestInterceptor
{
public:
    bool online = false;

    TileServer()
    {
        mServer.listen(QHostAddress::LocalHost);
        QObject::connect(&mServer, &QTcpServer::newConnection, [this] {
            QTcpSocket *socket = mServer.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                const QByteArray tile = QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAAAAAA6fptVAAAACklEQVR4nGNoAAAAggCBd81ytgAAAABJRU5ErkJggg==");
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\nAccess-Control-Allow-Origin: *\r\nContent-Length: "
                              + QByteArray::number(tile.size()) + "\r\n\r\n" + tile);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        });
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().isLocalFile() || info.requestUrl().host() == QLatin1String("127.0.0.1"))
            return;
        if (online)
            info.redirect(QUrl(QStringLiteral("http://127.0.0.1:%1/tile.png").arg(mServer.serverPort())));
        else
            info.block(true);
    }

private:
    QTcpServer mServer;
};

// A trip's route in Manhattan, due north-east in steps of `step` degrees, one
// point a second, with a gap of a minute between two clips after `split` points.
QVector<MapPoint> manhattanRoute(int points, int split, double step)
{
    QVector<MapPoint> route;
    for (int i = 0; i < points; ++i)
        route.append(MapPoint{i < split ? i : i + 60, -73.99 + i * step, 40.75 + i * step});
    return route;
}

QString attribution(MapWebView &view)
{
    return evaluate(&view, "document.querySelector('.leaflet-control-attribution').textContent").toString();
}

} // namespace

// The generated pages in a real view: the page of the configured service and
// language loads and draws, and points in mainland China are moved to the
// datum of the service's tiles.
class MapPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A user's decimal comma must never reach the scripts: points would be lost.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        mView.reset(new MapWebView);
        mView->page()->profile()->setUrlRequestInterceptor(&mTiles);
        mView->resize(640, 480);
        mView->show();
        QVERIFY(QTest::qWaitForWindowExposed(mView.data()));
    }

    void everyPageDrawsATrack_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("tileLanguage"); // hl= of Google's tiles
        QTest::newRow("Baidu") << 0 << 2 << QString();
        // One page per language: a region code, a plain one, and one the language list lacks.
        QTest::newRow("Google, Traditional Chinese") << 1 << 1 << "zh-TW";
        QTest::newRow("Google, Korean") << 1 << 12 << "ko";
        QTest::newRow("Google, out of the list") << 1 << 20 << "en";
    }
    void everyPageDrawsATrack()
    {
        QFETCH(int, service);
        QFETCH(int, language);
        QFETCH(QString, tileLanguage);
        mView->clearAll();
        QVERIFY(loadPage(*mView, static_cast<MapTypes>(service), language));
        if (!tileLanguage.isEmpty())
            QVERIFY(evaluate(mView.data(), "vantrelMapPage.tileUrl").toString().contains("hl=" + tileLanguage));

        for (int second = 0; second < 3; ++second)
            mView->addPoint(MapPoint{second, 113.93 + second * 0.001, 22.52});
        QCOMPARE(pointCount(*mView), 3);
        QCOMPARE(evaluate(mView.data(), "mapCurrentSecond()").toInt(), 2);
        mView->clearAll();
        QCOMPARE(pointCount(*mView), 0);
        mView->addPoint(MapPoint{9, -0.1278, 51.5074});
        QCOMPARE(pointCount(*mView), 1);
        QVERIFY(evaluate(mView.data(), "mapCurrentInView()").toBool());
        // Values from a damaged record are dropped, not drawn.
        mView->addPoint(MapPoint{10, qQNaN(), 10.0});
        QCOMPARE(evaluate(mView.data(), "mapAddPoint(10, 95, 11); mapAddPoint(200, 10, 12); mapPointCount()").toInt(), 1);
    }

    // Another language's or service's page gets the whole track again, with
    // what was given while it loaded; the page already shown is not reloaded.
    void trackOutlivesAReload()
    {
        QVERIFY(loadPage(*mView, BaiduMap) && loadPage(*mView, GoogleMap, 2));
        mView->clearAll();
        for (int second = 0; second < 3; ++second)
            mView->addPoint(MapPoint{second, 2.35 + second * 0.001, 48.85});
        QVERIFY(loadPage(*mView, GoogleMap, 4));
        QCOMPARE(pointCount(*mView), 3);
        QCOMPARE(evaluate(mView.data(), "mapCurrentSecond()").toInt(), 2);

        QSignalSpy finished(mView.data(), &QWebEngineView::loadFinished);
        mView->setPage(BaiduMap, 4);
        mView->addPoint(MapPoint{3, 2.353, 48.85});
        mView->clearAll();
        mView->addPoint(MapPoint{7, 113.93, 22.52});
        mView->addPoint(MapPoint{8, 113.931, 22.52});
        QVERIFY(finished.wait(timeout));
        QCOMPARE(pointCount(*mView), 2);
        QCOMPARE(evaluate(mView.data(), "mapCurrentSecond()").toInt(), 8);

        // One Baidu page serves every language; a service outside the list keeps the page.
        QSignalSpy started(mView.data(), &QWebEngineView::loadStarted);
        mView->setPage(BaiduMap, 9);
        mView->setPage(static_cast<MapTypes>(2), 4);
        mView->addPoint(MapPoint{9, 113.932, 22.52});
        QCOMPARE(pointCount(*mView), 3);
        QCOMPARE(started.count(), 0);
    }

    void attributionOnlyOverTiles_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("credit");
        QTest::newRow("offline, Google") << 1 << false << "Google";
        QTest::newRow("Baidu's tiles") << 0 << true << "Baidu";
    }
    // The service is credited for its tiles, never over the plain background.
    void attributionOnlyOverTiles()
    {
        QFETCH(int, service);
        QFETCH(bool, online);
        QFETCH(QString, credit);
        mTiles.online = online;
        mView->setPage(static_cast<MapTypes>(1 - service), 11); // the page is loaded afresh
        QVERIFY(loadPage(*mView, static_cast<MapTypes>(service), 11));
        if (online) {
            QTRY_VERIFY_WITH_TIMEOUT(attribution(*mView).contains(credit), timeout);
        } else {
            // Long enough for every refused tile to have been reported.
            QTest::qWait(1500);
            QVERIFY2(!attribution(*mView).contains(credit), qPrintable(attribution(*mView)));
        }
        mTiles.online = false;
    }

    void datum_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        // Published results of the usual conversions for (116.404, 39.915), Beijing.
        QTest::newRow("WGS-84 to GCJ-02") << "wgs84ToGcj02(116.404, 39.915)" << 116.41024449916938 << 39.91640428150164;
        QTest::newRow("GCJ-02 to BD-09") << "gcj02ToBd09(116.404, 39.915)" << 116.41036949371029 << 39.92133699351022;
        QTest::newRow("Beijing on Baidu") << "forService('baidu', 116.404, 39.915)" << 116.41662724378733 << 39.922699552216216;
        QTest::newRow("Shekou, by the Hong Kong border") << "forService('google', 113.93, 22.52)" << 113.93486280306423 << 22.51696312558689;
        QTest::newRow("Hong Kong") << "forService('google', 114.17, 22.30)" << 114.17 << 22.30;
    }
    void datum()
    {
        QFETCH(QString, expression);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        const QVariantList point = evaluate(mView.data(), "vantrelDatum." + expression).toList();
        QCOMPARE(point.size(), 2);
        QVERIFY2(qAbs(point[0].toDouble() - longitude) < 1e-6, qPrintable(point[0].toString()));
        QVERIFY2(qAbs(point[1].toDouble() - latitude) < 1e-6, qPrintable(point[1].toString()));
    }

    // An hour of driving: every point is kept and the newest stays on screen,
    // also after a jump far away.
    void hourLongTrackStaysInView()
    {
        mView->clearAll();
        QVERIFY(loadPage(*mView, GoogleMap));
        QCOMPARE(evaluate(mView.data(), "for (var s = 0; s < 3600; ++s) mapAddPoint(-0.5 + s * 0.0003,"
                                  " 51.3 + Math.sin(s / 300) * 0.05, s); mapPointCount()").toInt(), 3600);
        QVERIFY(evaluate(mView.data(), "mapCurrentInView()").toBool());
        mView->addPoint(MapPoint{3600, 2.35, 48.85});
        QVERIFY(evaluate(mView.data(), "mapCurrentInView()").toBool());
    }

    // After any seek the driven line is the route itself from the start up
    // to the new position (never a straight jump), on every page the route
    // is given to again; without a route the track comes back.
    void routeIsDrivenAlongItself()
    {
        QVERIFY(loadPage(*mView, GoogleMap, 3));
        mView->clearAll();
        const QVector<MapPoint> route = manhattanRoute(200, 100, 0.0001);
        mView->setRoute(route);
        mView->addPoint(MapPoint{3, 2.35, 48.85}); // the route stands for the file's track
        QCOMPARE(pointCount(*mView), 0);
        for (const int second : {50, 51, 52, 57, 10, 130, 259, 40, 5000, -1}) {
            if (second == 130)
                QVERIFY(loadPage(*mView, BaiduMap));
            mView->setRouteSecond(second);
            const QVariantMap state = evaluate(mView.data(), "mapRouteState()").toMap();
            const QVariantList driven = state["driven"].toList();
            QCOMPARE(state["points"].toInt(), route.size());
            QVERIFY(state["onMap"].toBool());
            const int expected = int(std::count_if(route.begin(), route.end(),
                                                   [second](const MapPoint &p) { return p.second <= second; }));
            QCOMPARE(driven.size(), expected);
            for (int i = 0; i < driven.size(); ++i) {
                const QVariantList point = driven[i].toList();
                QVERIFY2(qAbs(point[0].toDouble() - route[i].latitude) < 1e-6
                             && qAbs(point[1].toDouble() - route[i].longitude) < 1e-6,
                         qPrintable(QString("second %1, point %2").arg(second).arg(i)));
            }
            const QVariantList position = state["position"].toList();
            QVERIFY(qAbs(position.value(0).toDouble() - route[qMax(expected - 1, 0)].latitude) < 1e-6);
        }
        mView->setRoute({});
        QVERIFY(!evaluate(mView.data(), "mapRouteState().onMap").toBool());
        mView->addPoint(MapPoint{3, 2.35, 48.85});
        QCOMPARE(pointCount(*mView), 1);
    }

    // A page that cannot be loaded is said, with its path: the map stays empty.
    void missingPageIsReported()
    {
        QTemporaryDir empty;
        MapWebView view;
        view.setPagesFolder(empty.path());
        QSignalSpy failed(&view, &MapWebView::pageFailed);
        view.setPage(GoogleMap, 2);
        QVERIFY(failed.wait(20000));
        QCOMPARE(failed.first().first().toString(), empty.filePath(MapWebView::pageFileName(GoogleMap, 2)));
    }

    // The map area makes its web view only once painted; the page and the
    // track it was given before reach the view, a clear included.
    void areaHandsOverWhatCameFirst()
    {
        MapArea area;
        area.setPage(BaiduMap, 2);
        area.addPoint(MapPoint{1, 2.35, 48.85});
        area.clearAll();
        area.setPage(GoogleMap, 4);
        for (int second = 5; second < 8; ++second)
            area.addPoint(MapPoint{second, 2.35 + second * 0.001, 48.85});
        QVERIFY(!area.view());
        QSignalSpy created(&area, &MapArea::viewCreated);
        area.resize(320, 240);
        area.show();
        QVERIFY(created.wait(timeout));
        MapWebView &view = *area.view();
        QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
        QVERIFY(loaded.wait(timeout));
        QCOMPARE(view.url().fileName(), QStringLiteral("WG_GoogleMapIndex_fr.html"));
        QCOMPARE(pointCount(view), 3);
        QCOMPARE(evaluate(&view, "mapCurrentSecond()").toInt(), 7);
    }

private:
    TileServer mTiles; // outlives the view
    QScopedPointer<MapWebView> mView;
};

VANTREL_WINDOW_TEST_MAIN(MapPagesTest)
#include "tst_mappages.moc"
