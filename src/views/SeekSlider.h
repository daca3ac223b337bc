#pragma once

#include <QSlider>

// A horizontal slider on which a click beside the handle asks for the value
// under the pointer (grooveClicked), instead of stepping a page toward it.
// Pressing and dragging the handle behaves as on any slider.
class SeekSlider : public QSlider
{
    Q_OBJECT
public:
    explicit SeekSlider(QWidget *parent = nullptr);

    // The value whose handle would be centred on `x`, clamped to the range.
    int valueAt(int x) const;

signals:
    void grooveClicked(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
