#include "GaugeFace.h"

#include <QPainter>
#include <QPixmap>

QRectF GaugeFace::targetSquare(const QSize &widgetSize)
{
    const int w = widgetSize.width();
    const int h = widgetSize.height();
    if (h > w)
        return QRectF(0, (h - w) / 2, w, w);
    return QRectF((w - h) / 2, 0, h, h);
}

void GaugeFace::draw(QPainter &painter, const QPixmap &face, const QSize &widgetSize)
{
    painter.drawPixmap(targetSquare(widgetSize), face, QRectF(face.rect()));
}

void GaugeFace::fillNeedlePart(QPainter &painter, const QPointF (&points)[4], const QColor &colour)
{
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(points, 4, Qt::OddEvenFill);
}
