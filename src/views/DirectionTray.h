#pragma once

#include <QPixmap>
#include <QWidget>

// The compass: a rose with north up and a two-coloured needle whose red end
// points along the heading.
class DirectionTray : public QWidget
{
public:
    explicit DirectionTray(QWidget *parent = nullptr);

    // Degrees clockwise from north. Any integer works: the painter's
    // rotation wraps it.
    void setDirection(int degrees);

    int angle() const { return mAngle; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawNeedle(QPainter &painter) const;

    QPixmap mBackground;
    int mAngle = 0;
};
