#pragma once

#include <QPixmap>
#include <QWidget>

// The speed dial: a face marked 0 to 220 over 270 degrees, a needle and the
// speed as text in the unit it is given.
class SpeedTray : public QWidget
{
    Q_OBJECT
public:
    explicit SpeedTray(QWidget *parent = nullptr);

    // `speed` in km/h, as the camera records it. Values outside 0..220 are
    // ignored; the rest is shown in the unit set.
    void setSpeed(int speed);
    // 0: kilometres per hour; any other value: miles per hour. The speed
    // shown is converted again.
    void setSpeedUnit(int unit);

    int value() const { return mValue; }
    int angle() const { return mAngle; }
    // The text under the needle, in the unit set.
    QString speedText() const;

    // Where the text goes and how large it is, for a widget of `size`.
    static QRectF textRect(const QSize &size);
    static int fontPointSize(const QSize &size);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool usesMiles() const { return mSpeedUnit != 0; }
    void showSpeed();
    void drawNeedle(QPainter &painter) const;

    QPixmap mBackground;
    int mAngle = -135;
    int mValue = 0;
    int mKmh = 0;         // the speed given, in km/h
    int mSpeedUnit = 0;
};
