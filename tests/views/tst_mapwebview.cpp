#include "MapWebView.h"

#include <QtTest>

// What the view asks of the page, without a page: which file and which script.
class MapWebViewTest : public QObject
{
    Q_OBJECT
private slots:
    // A user's decimal comma must never reach the script.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void pageFileName_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("Google, British English") << 1 << 3 << "WG_GoogleMapIndex_en_uk.html";
        QTest::newRow("Google, Korean, last in the list") << 1 << 12 << "WG_GoogleMapIndex_ko.html";
        QTest::newRow("Google, stored index out of the list") << 1 << 20 << "WG_GoogleMapIndex_en.html";
        QTest::newRow("Google, negative index") << 1 << -1 << "WG_GoogleMapIndex_en.html";
        QTest::newRow("Baidu, any language") << 0 << 4 << "BaiduMapIndex.html";
        QTest::newRow("unknown service") << 2 << 2 << QString();
    }
    void pageFileName()
    {
        QFETCH(int, service);
        QFETCH(int, language);
        QFETCH(QString, fileName);
        QCOMPARE(MapWebView::pageFileName(static_cast<MapTypes>(service), language), fileName);
    }

    void pointScript_data()
    {
        QTest::addColumn<int>("second");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("script");
        QTest::newRow("London, west") << 42 << -0.1278 << 51.5074 << "mapAddPoint(-0.127800, 51.507400, 42);";
        QTest::newRow("east and south") << 7 << 113.9 << -22.5 << "mapAddPoint(113.900000, -22.500000, 7);";
        QTest::newRow("rounded to 6 places") << 0 << 113.12345678 << 22.0000004 << "mapAddPoint(113.123457, 22.000000, 0);";
    }
    void pointScript()
    {
        QFETCH(int, second);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        QFETCH(QString, script);
        QCOMPARE(MapWebView::pointScript(MapPoint{second, longitude, latitude}), script);
    }
};

QTEST_GUILESS_MAIN(MapWebViewTest)
#include "tst_mapwebview.moc"
