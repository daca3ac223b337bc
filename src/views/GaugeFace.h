#pragma once

#include <QRectF>
#include <QSize>

class QColor;
class QPainter;
class QPointF;
class QPixmap;

// What the speed dial and the compass share: the face fills the largest
// square that fits the widget, centred along the longer side.
class GaugeFace
{
public:
    static QRectF targetSquare(const QSize &widgetSize);
    // Scales the whole face into targetSquare(widgetSize); an empty pixmap
    // (a missing resource) draws nothing.
    static void draw(QPainter &painter, const QPixmap &face, const QSize &widgetSize);
    // One part of a needle: a four-point polygon in a 1-pixel pen and a
    // solid brush of the same colour.
    static void fillNeedlePart(QPainter &painter, const QPointF (&points)[4], const QColor &colour);
};
