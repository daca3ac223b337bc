#include "DirectionTray.h"

#include "GaugeFace.h"

#include <QPainter>
#include <QPointF>

namespace {

// One triangle of the needle.
void drawTriangle(QPainter &painter, double halfWidth, double tipY, const QColor &colour)
{
    const QPointF points[4] = {{0, 0}, {halfWidth, 0}, {0, tipY}, {0, tipY}};
    GaugeFace::fillNeedlePart(painter, points, colour);
}

} // namespace

DirectionTray::DirectionTray(QWidget *parent)
    : QWidget(parent)
    , mBackground(QStringLiteral(":/image/direction.png"))
{
}

void DirectionTray::setDirection(int degrees)
{
    mAngle = degrees;
    update();
}

void DirectionTray::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    GaugeFace::draw(painter, mBackground, size());

    painter.translate(width() * 0.5, height() * 0.5);
    // Whole turns are dropped so that a heading and the same heading plus
    // 360 rotate by exactly the same matrix, pixel for pixel.
    painter.rotate(mAngle % 360);
    drawNeedle(painter);
}

void DirectionTray::drawNeedle(QPainter &painter) const
{
    const double m = qMin(width(), height());
    const double length = m * static_cast<double>(0.24f);
    const double halfWidth = m * 0.06 * 0.5;

    // The red end points along the heading, the light end away from it.
    drawTriangle(painter, -halfWidth, -length, Qt::darkRed);
    drawTriangle(painter, halfWidth, -length, QColor(78, 18, 18));
    drawTriangle(painter, -halfWidth, length, QColor(240, 240, 240));
    drawTriangle(painter, halfWidth, length, QColor(190, 190, 190));

    const QColor hub(120, 120, 120);
    painter.setPen(hub);
    painter.setBrush(hub);
    painter.drawEllipse(QPointF(0, 0), 4.0, 4.0);
}
