#include "GyroChartView.h"
#include "ImageResources.h"
#include "SpeedTray.h"

#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

#include <limits>

using namespace QtCharts;

namespace {

const double notANumber = std::numeric_limits<double>::quiet_NaN();

QLineSeries *line(const GyroChartView &view, int i) { return qobject_cast<QLineSeries *>(view.chart()->series().value(i)); }
QValueAxis *axis(const GyroChartView &view, Qt::Orientation o) { return qobject_cast<QValueAxis *>(view.chart()->axes(o).value(0)); }

void addSamples(GyroChartView &view, int count, double x = 0.5, double y = -0.5, double z = 1.0)
{
    for (const double sample[3] = {x, y, z}; count-- > 0;)
        view.addSample(sample);
}

} // namespace

class GaugesAndChartTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ImageResources::initialise(); }

    void speedMapping_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("text");
        // Each row first sets 50 km/h, which a rejected speed leaves in place, then the unit, which converts it.
        QTest::newRow("0 at the lower left") << 0 << 0 << -135 << "0 km/h";
        QTest::newRow("220 at the lower right") << 0 << 220 << 135 << "220 km/h";
        QTest::newRow("221 ignored") << 0 << 221 << -74 << "50 km/h";
        QTest::newRow("-1 ignored") << 0 << -1 << -74 << "50 km/h";
        QTest::newRow("mph on the km/h scale") << 7 << 220 << 31 << "136 MPH";
    }
    void speedMapping()
    {
        QFETCH(int, unit);
        QFETCH(int, speed);
        SpeedTray tray;
        tray.setSpeed(50);
        tray.setSpeed(speed);
        tray.setSpeedUnit(unit);
        QTEST(tray.angle(), "angle");
        QTEST(tray.speedText(), "text"); // the number is the stored value
    }

    // 241 samples fill the window; the next one shifts it by one.
    void slidingWindow()
    {
        GyroChartView view;
        addSamples(view, 241);
        QCOMPARE(axis(view, Qt::Horizontal)->min(), 0.0);
        addSamples(view, 1);
        for (int i = 0; i < 3; ++i)
            QVERIFY(line(view, i)->count() == 241 && line(view, i)->at(0).x() == 1 && line(view, i)->at(240).x() == 241);
        QCOMPARE(axis(view, Qt::Horizontal)->min(), 1.0);
        QCOMPARE(axis(view, Qt::Horizontal)->max(), 241.0);
    }

    void verticalRange_data()
    {
        QTest::addColumn<QVector<double>>("samples"); // x, y, z triples in order
        QTest::addColumn<int>("range");
        QTest::newRow("-2.0 reaches the edge") << QVector<double>{0.0, -2.0, 0.0} << 4;
        QTest::newRow("compared as float") << QVector<double>{1.9999999999, 0.0, 0.0} << 4;
        QTest::newRow("NaN beside a value") << QVector<double>{notANumber, 3.0, 0.0} << 4;
        QTest::newRow("infinity ignored") << QVector<double>{-qInf(), 0.5, 0.0} << 2;
        QTest::newRow("absurd value capped") << QVector<double>{0.0, 1e30, 0.0} << 102;
    }
    void verticalRange()
    {
        QFETCH(QVector<double>, samples);
        GyroChartView view;
        for (int i = 0; i + 2 < samples.size(); i += 3)
            view.addSample(samples.constData() + i);
        QFETCH(int, range);
        QCOMPARE(axis(view, Qt::Vertical)->max(), qreal(range));
        QCOMPARE(axis(view, Qt::Vertical)->min(), qreal(-range));
    }

    // Non-finite values leave gaps; the lines still share one window, and
    // scrolling never removes from a line that has run empty.
    void gapsKeepLinesAligned()
    {
        GyroChartView view;
        for (int i = 0; i < 300; ++i)
            addSamples(view, 1, notANumber, i % 2 ? notANumber : 0.5, 0.5);
        QCOMPARE(line(view, 0)->count(), 0);
        QCOMPARE(line(view, 1)->at(0).x(), 60.0); // 120 points: every other x from 60
        QCOMPARE(line(view, 2)->at(0).x(), 59.0);
    }

    void clearResets()
    {
        GyroChartView view;
        addSamples(view, 300, 7.0);
        addSamples(view, 1, 0.1);
        QCOMPARE(axis(view, Qt::Vertical)->max(), 8.0); // smaller samples never shrink it
        view.clearSamples();
        QCOMPARE(axis(view, Qt::Vertical)->max(), 2.0);
        addSamples(view, 1, 0.25); // counting starts again at 0
        QCOMPARE(line(view, 0)->points(), QList<QPointF>{QPointF(0, 0.25)});
        QCOMPARE(axis(view, Qt::Horizontal)->max(), 240.0);
    }
};

QTEST_MAIN(GaugesAndChartTest)
#include "tst_gaugesandchart.moc"
