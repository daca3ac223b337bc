#pragma once

#include <QtCharts/QChartView>

namespace QtCharts {
class QLineSeries;
class QValueAxis;
} // namespace QtCharts

// The G-sensor values as three lines, X, Y and Z, over the latest 241
// samples. The vertical axis grows in steps of 2 G to fit the largest value
// seen and shrinks only when the chart is cleared.
class GyroChartView : public QtCharts::QChartView
{
    Q_OBJECT
public:
    explicit GyroChartView(QWidget *parent = nullptr);

    // One sample in G, in the order x, y, z.
    void addSample(const double values[3]);
    void clearSamples();

    // Whether the lines are drawn through OpenGL: only on a graphics card.
    // Without an OpenGL context they would not show at all, and a software
    // rasteriser only makes them slower (VANTREL_CHART_OPENGL=1 forces it).
    bool drawsWithOpenGL() const { return mUsesOpenGL; }
    static bool openGLAvailable();

private:
    void buildChart();
    void setupVerticalAxis(const QFont &font);
    void appendPoint(QtCharts::QLineSeries *series, double value, int firstX);
    void applyRanges(int firstX, int lastX);

    QtCharts::QLineSeries *mXSeries;
    QtCharts::QLineSeries *mYSeries;
    QtCharts::QLineSeries *mZSeries;
    int mSampleCount = 0;
    int mNextX = 0;
    int mRange = 2;
    QtCharts::QValueAxis *mAxisX = nullptr;
    QtCharts::QValueAxis *mAxisY = nullptr;
    bool mUsesOpenGL = false;
};
