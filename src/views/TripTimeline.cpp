#include "TripTimeline.h"

#include "ClockText.h"
#include "SpeedUnit.h"

#include <QDateTime>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int preferredHeight = 40;
constexpr int eventMarkSize = 5;
const QColor groundColour(24, 24, 30);
const QColor clipColours[2] = {QColor(44, 44, 56), QColor(52, 52, 66)};
const QColor boundaryColour(110, 110, 130);
const QColor speedColour(38, 153, 238);
const QColor playedShade(255, 255, 255, 28);
const QColor playheadColour(255, 255, 255);
const QColor horizontalEventColour(255, 160, 40);
const QColor verticalEventColour(230, 70, 200);
const QColor rangeShade(250, 200, 40, 70);
const QColor rangeEdgeColour(250, 200, 40);

} // namespace

TripTimeline::TripTimeline(QWidget *parent)
    : QWidget(parent)
{
    qRegisterMetaType<TimelineTrip>("TimelineTrip");
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus); // playback keys stay with the window
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TripTimeline::sizeHint() const
{
    return QSize(400, preferredHeight);
}

QSize TripTimeline::minimumSizeHint() const
{
    return QSize(40, preferredHeight);
}

void TripTimeline::setTrip(const TimelineTrip &trip)
{
    mTrip = trip;
    mTrip.durationSeconds = std::max(mTrip.durationSeconds, 0);
    mDragging = false;
    mBackdropStale = true;
    update();
}

void TripTimeline::setPlayheadSecond(int second)
{
    if (second == mPlayhead)
        return;
    mPlayhead = second;
    update();
}

void TripTimeline::setSpeedUnit(int unit)
{
    mMiles = unit != 0;
}

void TripTimeline::setRange(int fromTripSecond, int toTripSecond)
{
    const int from = std::max(fromTripSecond, -1);
    int to = std::max(toTripSecond, -1);
    if (from >= 0 && to >= 0 && to <= from)
        to = -1; // an end before its start is no range
    if (from == mRangeFrom && to == mRangeTo)
        return;
    mRangeFrom = from;
    mRangeTo = to;
    update();
    emit rangeChanged(mRangeFrom, mRangeTo);
}

void TripTimeline::clearRange()
{
    setRange(-1, -1);
}

double TripTimeline::xOf(double second) const
{
    return second * width() / mTrip.durationSeconds;
}

int TripTimeline::secondAt(int x) const
{
    if (mTrip.durationSeconds <= 0 || width() <= 0)
        return -1;
    // Each second owns an equal share of the width.
    const qint64 second = qint64(std::max(x, 0)) * mTrip.durationSeconds / width();
    return int(std::min<qint64>(second, mTrip.durationSeconds - 1));
}

const TimelineTrip::Speed *TripTimeline::speedAt(int second) const
{
    const auto found = std::lower_bound(mTrip.speeds.cbegin(), mTrip.speeds.cend(), second,
                                        [](const TimelineTrip::Speed &speed, int s) { return speed.second < s; });
    return found != mTrip.speeds.cend() && found->second == second ? &*found : nullptr;
}

const TimelineTrip::Clip *TripTimeline::clipAt(int second) const
{
    for (const TimelineTrip::Clip &clip : mTrip.clips) {
        if (second >= clip.offsetSeconds && second - clip.offsetSeconds < clip.durationSeconds)
            return &clip;
    }
    return nullptr;
}

QString TripTimeline::speedText(float kmh) const
{
    // A damaged record's speed is no reason to overflow an int.
    kmh = std::isfinite(kmh) ? std::clamp(kmh, 0.0f, 9999.0f) : 0.0f;
    if (mMiles)
        return tr("%1 MPH").arg(SpeedUnit::wholeMilesPerHour(kmh));
    return tr("%1 km/h").arg(int(kmh));
}

QString TripTimeline::hoverText(int x) const
{
    const int second = secondAt(x);
    if (second < 0)
        return QString();
    const QString elapsed = clockText(second);
    QStringList lines;
    if (mTrip.hasStartTime) {
        const QDateTime clock = QDateTime::fromMSecsSinceEpoch(mTrip.startUtcMsecs + qint64(second) * 1000, Qt::UTC);
        lines << tr("%1 (%2 into the trip)").arg(clock.toString(QStringLiteral("hh:mm:ss")), elapsed);
    } else {
        lines << tr("%1 into the trip").arg(elapsed);
    }
    const TimelineTrip::Speed *speed = speedAt(second);
    lines << (speed ? speedText(speed->kmh) : tr("No telemetry"));
    if (const TimelineTrip::Clip *clip = clipAt(second))
        lines << tr("Clip: %1").arg(clip->name);
    // An event within a few pixels counts as under the pointer.
    const int reach = std::max(1, secondAt(x + eventMarkSize) - second);
    for (const TimelineTrip::Event &event : mTrip.events) {
        if (std::abs(event.second - second) <= reach) {
            const QString g = QString::number(event.g, 'f', 2);
            lines << (event.kind == TimelineTrip::Event::Vertical ? tr("Vertical jolt: %1 g").arg(g)
                                                                  : tr("Braking or swerving: %1 g").arg(g));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

bool TripTimeline::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = hoverText(help->pos().x());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void TripTimeline::requestSeekAt(int x)
{
    const int second = secondAt(x);
    if (second < 0 || second == mLastRequested)
        return;
    mLastRequested = second;
    emit seekRequested(second);
}

void TripTimeline::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || mTrip.durationSeconds <= 0)
        return QWidget::mousePressEvent(event);
    mDragging = true;
    mLastRequested = -1;
    requestSeekAt(event->pos().x());
}

void TripTimeline::mouseMoveEvent(QMouseEvent *event)
{
    if (mDragging && (event->buttons() & Qt::LeftButton)) {
        requestSeekAt(event->pos().x());
        return;
    }
    // The tip follows the pointer while it is open.
    if (QToolTip::isVisible())
        QToolTip::showText(event->globalPos(), hoverText(event->pos().x()), this);
}

void TripTimeline::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        mDragging = false;
    QWidget::mouseReleaseEvent(event);
}

void TripTimeline::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    mBackdropStale = true;
}

// The parts that change only with the trip or the size are drawn once, at
// the next paint: a trip that starts and the strip shown for it at once
// cost one drawing, and a hidden strip none.
void TripTimeline::paintBackdrop()
{
    mBackdropStale = false;
    const qreal ratio = devicePixelRatioF();
    mBackdrop = QPixmap(size() * ratio);
    mBackdrop.setDevicePixelRatio(ratio);
    mBackdrop.fill(groundColour);
    if (mTrip.durationSeconds <= 0 || width() <= 0)
        return;
    QPainter painter(&mBackdrop);
    paintClips(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSpeed(painter);
    paintEvents(painter);
}

void TripTimeline::paintClips(QPainter &painter) const
{
    for (int i = 0; i < mTrip.clips.size(); ++i) {
        const TimelineTrip::Clip &clip = mTrip.clips[i];
        const double left = xOf(clip.offsetSeconds);
        const double right = xOf(double(clip.offsetSeconds) + clip.durationSeconds);
        painter.fillRect(QRectF(left, 0, right - left, height()), clipColours[i % 2]);
        if (i > 0) {
            painter.setPen(QPen(boundaryColour, 1));
            painter.drawLine(QPointF(left, 0), QPointF(left, height()));
        }
    }
}

// Speed as a filled profile from the bottom, broken where records are missing.
void TripTimeline::paintSpeed(QPainter &painter) const
{
    float top = 0;
    for (const TimelineTrip::Speed &speed : mTrip.speeds) {
        if (std::isfinite(speed.kmh))
            top = std::max(top, speed.kmh);
    }
    // Round the scale up to 20 km/h steps so a slow trip does not look fast.
    const double scale = std::max(40.0, std::ceil(top / 20.0) * 20.0);
    const double floor = height() - 1.0;
    const double usable = height() - eventMarkSize - 3.0;
    QPainterPath profile;
    double runStart = 0, lastX = 0;
    int lastSecond = -2;
    auto closeRun = [&] {
        if (lastSecond < -1)
            return;
        profile.lineTo(lastX, floor);
        profile.lineTo(runStart, floor);
        profile.closeSubpath();
    };
    for (const TimelineTrip::Speed &speed : mTrip.speeds) {
        if (speed.second < 0 || speed.second >= mTrip.durationSeconds || !std::isfinite(speed.kmh))
            continue;
        const double x = xOf(speed.second + 0.5);
        const double y = floor - usable * std::clamp(double(speed.kmh), 0.0, scale) / scale;
        if (speed.second - lastSecond > 2) {
            closeRun();
            runStart = x;
            profile.moveTo(x, floor);
        }
        profile.lineTo(x, y);
        lastX = x;
        lastSecond = speed.second;
    }
    closeRun();
    QColor fill = speedColour;
    fill.setAlpha(90);
    painter.setPen(QPen(speedColour, 1.2));
    painter.setBrush(fill);
    painter.drawPath(profile);
}

void TripTimeline::paintEvents(QPainter &painter) const
{
    painter.setPen(Qt::NoPen);
    for (const TimelineTrip::Event &event : mTrip.events) {
        if (event.second < 0 || event.second >= mTrip.durationSeconds)
            continue;
        const double x = xOf(event.second + 0.5);
        painter.setBrush(event.kind == TimelineTrip::Event::Vertical ? verticalEventColour : horizontalEventColour);
        const QPointF mark[3] = {{x - eventMarkSize, 0}, {x + eventMarkSize, 0}, {x, eventMarkSize * 1.6}};
        painter.drawPolygon(mark, 3);
    }
}

// A band over the marked stretch with a bright edge at each mark.
void TripTimeline::paintRange(QPainter &painter) const
{
    const double left = xOf(std::min(std::max(mRangeFrom, 0), mTrip.durationSeconds));
    const double right = xOf(std::min(mRangeTo, mTrip.durationSeconds));
    if (mRangeFrom >= 0 && mRangeTo >= 0)
        painter.fillRect(QRectF(left, 0, right - left, height()), rangeShade);
    if (mRangeFrom >= 0)
        painter.fillRect(QRectF(std::min(left, width() - 2.0), 0, 2, height()), rangeEdgeColour);
    if (mRangeTo >= 0)
        painter.fillRect(QRectF(std::max(right - 2.0, 0.0), 0, 2, height()), rangeEdgeColour);
}

void TripTimeline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (mBackdropStale)
        paintBackdrop();
    painter.drawPixmap(0, 0, mBackdrop);
    if (mTrip.durationSeconds <= 0)
        return;
    paintRange(painter);
    if (mPlayhead < 0)
        return;
    const double x = xOf(std::min(mPlayhead, mTrip.durationSeconds));
    painter.fillRect(QRectF(0, 0, x, height()), playedShade);
    painter.fillRect(QRectF(std::min(x, width() - 2.0), 0, 2, height()), playheadColour);
}
