#include "Configuration.h"
#include "MapWebView.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

constexpr int timeout = 30000;

// The result of `script` in the page; invalid if the page does not answer.
// An event loop, not a polling wait: the answer takes several hops through
// the GUI thread's event queue.
QVariant evaluate(MapWebView &view, const QString &script)
{
    auto answer = std::make_shared<QVariant>(); // outlives a late answer
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    view.page()->runJavaScript(script, [answer, waiting](const QVariant &result) {
        *answer = result;
        if (waiting)
            waiting->quit();
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    loop.exec();
    return *answer;
}

bool loadPage(MapWebView &view, MapTypes type)
{
    QSignalSpy finished(&view, &QWebEngineView::loadFinished);
    view.setMapType(type);
    return finished.wait(timeout) && finished.last().at(0).toBool();
}

int pointCount(MapWebView &view) { return evaluate(view, "mapPointCount()").toInt(); }

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
        const char *const tileLanguages[] = {"zh-CN", "zh-TW", "en", "en-GB", "fr", "it", "ja",
                                             "pl", "ru", "de", "es", "pt", "ko"};
        for (int language = 0; language < 13; ++language)
            QTest::addRow("Google %d", language) << 1 << language << tileLanguages[language];
        QTest::newRow("Google, out of the list") << 1 << 20 << "en";
    }
    void everyPageDrawsATrack()
    {
        QFETCH(int, service);
        QFETCH(int, language);
        QFETCH(QString, tileLanguage);
        Configuration::instance()->setLanguage(language);
        QVERIFY(loadPage(*mView, static_cast<MapTypes>(service)));
        if (!tileLanguage.isEmpty())
            QVERIFY(evaluate(*mView, "vantrelMapPage.tileUrl").toString().contains("hl=" + tileLanguage));

        for (int second = 0; second < 3; ++second)
            mView->addPoint(MapPoint{second, 113.93 + second * 0.001, 22.52});
        QCOMPARE(pointCount(*mView), 3);
        QCOMPARE(evaluate(*mView, "mapCurrentSecond()").toInt(), 2);
        mView->clearAll();
        QCOMPARE(pointCount(*mView), 0);
        mView->addPoint(MapPoint{9, -0.1278, 51.5074});
        QCOMPARE(pointCount(*mView), 1);
        QVERIFY(evaluate(*mView, "mapCurrentInView()").toBool());
        // Values from a damaged record are dropped, not drawn.
        mView->addPoint(MapPoint{10, qQNaN(), 10.0});
        QCOMPARE(evaluate(*mView, "mapAddPoint(10, 95, 11); mapAddPoint(200, 10, 12); mapPointCount()").toInt(), 1);
    }

    void mapTypeChangesReplaceThePage()
    {
        Configuration::instance()->setLanguage(4);
        QVERIFY(loadPage(*mView, GoogleMap));
        mView->addPoint(MapPoint{1, 2.35, 48.85});

        // Neither service: the page and its track stay.
        QSignalSpy started(mView.data(), &QWebEngineView::loadStarted);
        mView->setMapType(static_cast<MapTypes>(2));
        QCOMPARE(pointCount(*mView), 1);
        QCOMPARE(started.count(), 0);

        // The other service's page starts without the track.
        QVERIFY(loadPage(*mView, BaiduMap));
        QCOMPARE(mView->url().fileName(), QStringLiteral("BaiduMapIndex.html"));
        QCOMPARE(pointCount(*mView), 0);
        QCOMPARE(MapWebView::pageFileName(GoogleMap, -1), QStringLiteral("WG_GoogleMapIndex_en.html"));
        // Six decimals and a point as separator, even on a German desktop.
        QCOMPARE(MapWebView::pointScript(MapPoint{7, -0.1278, 51.5074}), QStringLiteral("mapAddPoint(-0.127800, 51.507400, 7);"));
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
        QTest::newRow("Macau") << "forService('baidu', 113.54, 22.19)" << 113.54 << 22.19;
        QTest::newRow("Taipei") << "forService('google', 121.56, 25.03)" << 121.56 << 25.03;
    }
    void datum()
    {
        QFETCH(QString, expression);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        const QVariantList point = evaluate(*mView, "vantrelDatum." + expression).toList();
        QCOMPARE(point.size(), 2);
        QVERIFY2(qAbs(point[0].toDouble() - longitude) < 1e-6, qPrintable(point[0].toString()));
        QVERIFY2(qAbs(point[1].toDouble() - latitude) < 1e-6, qPrintable(point[1].toString()));
    }

    // An hour of driving: every point is kept and the newest stays on screen,
    // also after a jump far away.
    void hourLongTrackStaysInView()
    {
        QVERIFY(loadPage(*mView, GoogleMap));
        QCOMPARE(evaluate(*mView, "for (var s = 0; s < 3600; ++s) mapAddPoint(-0.5 + s * 0.0003,"
                                  " 51.3 + Math.sin(s / 300) * 0.05, s); mapPointCount()").toInt(), 3600);
        QVERIFY(evaluate(*mView, "mapCurrentInView()").toBool());
        mView->addPoint(MapPoint{3600, 2.35, 48.85});
        QVERIFY(evaluate(*mView, "mapCurrentInView()").toBool());
    }

private:
    QScopedPointer<MapWebView> mView;
};

int main(int argc, char *argv[])
{
    // The web engine shares its GL context with the widgets; it must be asked
    // for before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    MapPagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mappages.moc"
