#include "SpeedTray.h"

#include "GaugeFace.h"
#include "SpeedUnit.h"

#include <QPainter>
#include <QPointF>

namespace {

constexpr int fullScale = 220;      // the dial's last mark
constexpr int sweepDegrees = 270;   // from the lower left to the lower right
constexpr int zeroAngle = -135;

const QColor textColour(245, 41, 56);
const QColor needleShade(78, 18, 18);

} // namespace

SpeedTray::SpeedTray(QWidget *parent)
    : QWidget(parent)
    , mBackground(QStringLiteral(":/image/speed.png"))
{
    update();
}

void SpeedTray::setSpeed(int speed)
{
    // Taken as unsigned, a negative speed is out of range as well.
    if (static_cast<unsigned>(speed) > static_cast<unsigned>(fullScale))
        return;
    mKmh = speed;
    showSpeed();
}

void SpeedTray::setSpeedUnit(int unit)
{
    mSpeedUnit = unit;
    showSpeed();
}

void SpeedTray::showSpeed()
{
    int speed = mKmh;
    if (usesMiles())
        speed = SpeedUnit::wholeMilesPerHour(speed);
    mValue = speed;
    // The scale stays 0..220 in either unit.
    mAngle = speed * sweepDegrees / fullScale + zeroAngle;
    update();
}

QString SpeedTray::speedText() const
{
    // The same unit texts as the control bar's, in the interface language.
    return (usesMiles() ? tr("%1 MPH") : tr("%1 km/h")).arg(mValue);
}

QRectF SpeedTray::textRect(const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    const QRectF square = GaugeFace::targetSquare(size);
    return QRectF((w / 2) - (w / 3) * 0.5, square.y() + square.height() * 0.76, w / 3, h / 6);
}

int SpeedTray::fontPointSize(const QSize &size)
{
    return GaugeFace::targetSquare(size).height() > 200 ? 14 : 10;
}

void SpeedTray::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    GaugeFace::draw(painter, mBackground, size());

    painter.setPen(QPen(QBrush(textColour), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    QFont font(QStringLiteral("Calibri"));
    font.setPointSize(fontPointSize(size()));
    painter.setFont(font);
    // At the smallest size "220 km/h" is wider than the rectangle; it stays
    // centred on it and whole rather than cut at both ends.
    painter.drawText(textRect(size()), Qt::AlignCenter | Qt::TextDontClip, speedText());

    painter.translate(width() * 0.5, height() * 0.5);
    painter.rotate(mAngle);
    drawNeedle(painter);
}

void SpeedTray::drawNeedle(QPainter &painter) const
{
    const double m = qMin(width(), height());
    const double length = m * static_cast<double>(0.3f);
    const double halfWidth = m * 0.04 * 0.5;

    const QPointF leftHalf[4] = {{0, 0}, {-halfWidth, 0}, {-0.5, -length}, {0, -length}};
    GaugeFace::fillNeedlePart(painter, leftHalf, needleShade);
    const QPointF rightHalf[4] = {{0, 0}, {halfWidth, 0}, {0.5, -length}, {0, -length}};
    GaugeFace::fillNeedlePart(painter, rightHalf, Qt::darkRed);

    const double hubRadius = m * 0.04 - 1;
    painter.drawEllipse(QPointF(0, 0), hubRadius, hubRadius);
}
