#pragma once

#include <QRectF>
#include <QSize>

class QPainter;
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
};
