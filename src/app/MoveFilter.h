#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// Stands in for the system frame of a frameless window: dragging with the
// left button moves the window, and double clicks are reported so that the
// window can toggle maximised. It only watches; it never consumes an event.
class MoveFilter : public QObject
{
    Q_OBJECT
public:
    // Top-level, without a frame, keeping the system-menu and minimise hints.
    static constexpr Qt::WindowFlags framelessFlags =
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint;

    // Makes `window` frameless and draggable by the mouse events that reach
    // `target`; the filter is a child of `window`.
    static MoveFilter *install(QWidget *window, QWidget *target);

    bool isDragging() const { return mPressed; }

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MoveFilter(QWidget *window, QWidget *target);

    void followMouse(QEvent *event);
    void pressed(const QMouseEvent *event);
    void moved(const QMouseEvent *event);

    QWidget *mWindow;
    QObject *mTarget;
    bool mPressed = false;
    QPoint mPressPos; // the grabbed point, relative to the window's frame
};
