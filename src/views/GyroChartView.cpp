#include "GyroChartView.h"

#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace QtCharts;

namespace {

constexpr int windowSteps = 240; // the window holds windowSteps + 1 samples
constexpr int initialRange = 2;
constexpr int rangeStep = 2;
// Far beyond what a car's sensor reports (the record holds at most 9.99 g);
// caps what a corrupt value can do to the axis and to the growth loop.
constexpr float largestPeak = 100.0f;

// The largest magnitude among the values that are numbers and finite once
// narrowed to float, capped; the others cannot size the axis.
float peakOf(const double values[3])
{
    float peak = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        const float magnitude = std::fabs(static_cast<float>(values[axis]));
        if (std::isfinite(magnitude))
            peak = std::max(peak, magnitude);
    }
    return std::min(peak, largestPeak);
}

} // namespace

GyroChartView::GyroChartView(QWidget *parent)
    : QChartView(parent)
    , mXSeries(new QLineSeries)
    , mYSeries(new QLineSeries)
    , mZSeries(new QLineSeries)
    , mRange(initialRange)
    , mUsesOpenGL(openGLAvailable())
{
    buildChart();
}

bool GyroChartView::openGLAvailable()
{
    // The chart draws its OpenGL series in a GL widget of its own; without a
    // context that can be made current the lines would silently not appear.
    // A software rasteriser gains nothing over plain painting and costs the
    // GUI thread a shader compilation of about a tenth of a second on the
    // first draw, then a full GL repaint on every layout change.
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return false;
    const auto *renderer = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QByteArray name = QByteArray(renderer).toLower();
    context.doneCurrent();
    const bool software = name.contains("llvmpipe") || name.contains("softpipe") || name.contains("software");
    return !software || qEnvironmentVariableIntValue("VANTREL_CHART_OPENGL") == 1;
}

void GyroChartView::buildChart()
{
    auto *chart = new QChart;
    QFont font(QStringLiteral("Calibri"));
    font.setPixelSize(10);
    chart->legend()->setFont(font);
    chart->setTheme(QChart::ChartThemeDark);
    // Beside the lines rather than under them: at the chart's 155 pixels a
    // legend underneath leaves the G labels too little height, and Qt Charts
    // then shows them as "...".
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setContentsMargins(0, 0, 0, 0);

    const struct { QLineSeries *series; const char *name; Qt::GlobalColor colour; } lines[] = {
        {mXSeries, "X", Qt::red}, {mYSeries, "Y", Qt::green}, {mZSeries, "Z", Qt::blue}};
    for (const auto &line : lines) {
        line.series->setUseOpenGL(mUsesOpenGL);
        line.series->setName(QLatin1String(line.name));
        // Set before the series joins the chart, so that the theme keeps it.
        line.series->setColor(line.colour);
    }
    for (const auto &line : lines)
        chart->addSeries(line.series);

    mAxisX = new QValueAxis;
    mAxisX->setRange(0.0, windowSteps);
    mAxisX->setVisible(false);
    mAxisY = new QValueAxis;
    chart->addAxis(mAxisX, Qt::AlignBottom);
    chart->addAxis(mAxisY, Qt::AlignLeft);
    setupVerticalAxis(font);
    for (const auto &line : lines) {
        line.series->attachAxis(mAxisX);
        line.series->attachAxis(mAxisY);
    }

    setRenderHint(QPainter::Antialiasing);
    setChart(chart);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    // The dark widget behind shows through the chart and the view alike.
    chart->setBackgroundVisible(false);
    setStyleSheet(QStringLiteral("background: transparent"));
    setFrameShape(QFrame::NoFrame);
}

void GyroChartView::setupVerticalAxis(const QFont &font)
{
    mAxisY->setLabelFormat(QStringLiteral("%dG"));
    mAxisY->setLineVisible(false);
    mAxisY->setGridLinePen(QPen(QBrush(Qt::black), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    mAxisY->setTickCount(5);
    mAxisY->setRange(-mRange, mRange);
    QFont labelFont = font;
    labelFont.setPixelSize(12);
    mAxisY->setLabelsFont(labelFont);
}

void GyroChartView::addSample(const double values[3])
{
    // Once the window is full, each sample pushes the oldest one out.
    const bool windowFull = mSampleCount > windowSteps;
    const int firstX = windowFull ? mSampleCount - windowSteps : 0;
    QLineSeries *const series[3] = {mXSeries, mYSeries, mZSeries};
    for (int axis = 0; axis < 3; ++axis)
        appendPoint(series[axis], values[axis], firstX);
    ++mNextX;

    const float peak = peakOf(values);
    while (peak >= static_cast<float>(mRange))
        mRange += rangeStep;

    applyRanges(firstX, windowFull ? mSampleCount : windowSteps);
    ++mSampleCount;
}

// A value that is not a finite number has no place on a line (the chart
// would drop it with a warning), so a line may hold fewer points than the
// others; the window is therefore kept by x, not by count. The line gets its
// new points in one replacement, so the chart lays it out once per sample.
void GyroChartView::appendPoint(QLineSeries *series, double value, int firstX)
{
    QVector<QPointF> points = series->pointsVector();
    int stale = 0;
    while (stale < points.size() && points[stale].x() < firstX)
        ++stale;
    points.remove(0, stale);
    if (std::isfinite(value))
        points.append(QPointF(mNextX, value));
    series->replace(points);
}

void GyroChartView::clearSamples()
{
    mXSeries->clear();
    mYSeries->clear();
    mZSeries->clear();
    mSampleCount = 0;
    mNextX = 0;
    mRange = initialRange;
    applyRanges(0, windowSteps);
}

void GyroChartView::applyRanges(int firstX, int lastX)
{
    mAxisX->setRange(firstX, lastX);
    mAxisY->setRange(-mRange, mRange);
}
