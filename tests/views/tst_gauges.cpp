#include "Configuration.h"
#include "DirectionTray.h"
#include "GaugeFace.h"
#include "ImageResources.h"
#include "SpeedTray.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>

namespace {

bool isRed(const QColor &c) { return c.green() < 25 && c.blue() < 25 && c.red() > 2 * c.green() + 40; }
bool isLight(const QColor &c) { return qMin(c.red(), qMin(c.green(), c.blue())) > 170; }

// Whether `test` holds within a pixel of the point half-way along a needle
// of a 200 x 200 gauge, `degrees` clockwise from straight up.
bool colourAt(const QImage &image, double degrees, bool (*test)(const QColor &))
{
    const QPoint point(qRound(100 + 30 * std::sin(qDegreesToRadians(degrees))),
                       qRound(100 - 30 * std::cos(qDegreesToRadians(degrees))));
    for (const QPoint step : {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        if (test(image.pixelColor(point + step)))
            return true;
    return false;
}

QImage picture(QWidget &gauge)
{
    gauge.resize(200, 200);
    return gauge.grab().toImage();
}

} // namespace

class GaugesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageResources::initialise(); }
    void cleanup() { Configuration::instance()->setSpeedUnit(0); }

    void speedMapping_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("text");
        // Each row first sets 50 km/h, which a rejected speed leaves in place.
        QTest::newRow("0 at the lower left") << 0 << 0 << -135 << "0 km/h";
        QTest::newRow("110 straight up") << 0 << 110 << 0 << "110 km/h";
        QTest::newRow("220 at the lower right") << 0 << 220 << 135 << "220 km/h";
        QTest::newRow("221 ignored") << 0 << 221 << -74 << "50 km/h";
        QTest::newRow("-1 ignored") << 0 << -1 << -74 << "50 km/h";
        QTest::newRow("mph truncated") << 1 << 100 << -59 << "62 MPH";
        QTest::newRow("mph on the km/h scale") << 7 << 220 << 31 << "136 MPH";
    }
    void speedMapping()
    {
        QFETCH(int, unit);
        QFETCH(int, speed);
        Configuration::instance()->setSpeedUnit(unit);
        SpeedTray tray;
        tray.setSpeed(50);
        tray.setSpeed(speed);
        QTEST(tray.angle(), "angle");
        QTEST(tray.speedText(), "text"); // the number is the stored value
    }

    void geometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRectF>("square");
        QTest::addColumn<QRectF>("text");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("wide, side 200 is small")
            << QSize(300, 200) << QRectF(50, 0, 200, 200) << QRectF(100, 152, 100, 33) << 10;
        QTest::newRow("tall, odd difference")
            << QSize(201, 302) << QRectF(0, 50, 201, 201) << QRectF(66.5, 202.76, 67, 50) << 14;
    }
    void geometry()
    {
        QFETCH(QSize, size);
        QTEST(GaugeFace::targetSquare(size), "square");
        QTEST(SpeedTray::textRect(size), "text");
        QTEST(SpeedTray::fontPointSize(size), "pointSize");
    }

    void needlePoints_data()
    {
        QTest::addColumn<bool>("compass");
        QTest::addColumn<int>("input");
        QTest::addColumn<double>("degrees");
        QTest::newRow("speed 0") << false << 0 << -135.0;
        QTest::newRow("speed 220") << false << 220 << 135.0;
        QTest::newRow("heading east") << true << 90 << 90.0;
        QTest::newRow("negative heading turns left") << true << -90 << 270.0;
    }
    void needlePoints()
    {
        QFETCH(bool, compass);
        QFETCH(int, input);
        QFETCH(double, degrees);
        SpeedTray speed;
        DirectionTray direction;
        speed.setSpeed(input);
        direction.setDirection(input);
        const QImage image = picture(compass ? static_cast<QWidget &>(direction) : speed);
        QVERIFY(colourAt(image, degrees, isRed));
        QVERIFY(!colourAt(image, degrees + 180, isRed));
        QCOMPARE(colourAt(image, degrees + 180, isLight), compass); // the compass's tail
    }

    void headingWrapsAround()
    {
        DirectionTray compass;
        compass.setDirection(90);
        const QImage east = picture(compass);
        compass.setDirection(450);
        QCOMPARE(picture(compass), east);
    }
};

QTEST_MAIN(GaugesTest)
#include "tst_gauges.moc"
