#include "MoveFilter.h"

#include <QMouseEvent>
#include <QWidget>

MoveFilter *MoveFilter::install(QWidget *window, QWidget *target)
{
    window->setWindowFlags(framelessFlags);
    auto *filter = new MoveFilter(window, target);
    target->installEventFilter(filter);
    return filter;
}

MoveFilter::MoveFilter(QWidget *window, QWidget *target)
    : QObject(window)
    , mWindow(window)
    , mTarget(target)
{
}

bool MoveFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mTarget) {
        followMouse(event);
        if (event->type() == QEvent::MouseButtonDblClick)
            emit doubleClicked();
    }
    return QObject::eventFilter(watched, event);
}

void MoveFilter::followMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonRelease:
        // Any release ends the drag, also one that arrives while the window
        // is maximised: otherwise the restored window would follow a mouse
        // whose button is already up.
        mPressed = false;
        break;
    case QEvent::MouseMove:
        moved(static_cast<QMouseEvent *>(event));
        break;
    default:
        break;
    }
}

void MoveFilter::pressed(const QMouseEvent *event)
{
    if (mWindow->isMaximized() || event->button() != Qt::LeftButton)
        return;
    // Where the window was grabbed, so that this point stays under the cursor.
    // It is taken from the event, relative to the window, never from the
    // window's position: under a window manager that reparents and places a
    // dialog, Qt may still hold (0, 0) for it, and the first move would
    // throw the dialog to the corner. The offset of a frame, if any, is
    // added because moving places the frame.
    mPressPos = event->windowPos().toPoint() + (mWindow->geometry().topLeft() - mWindow->pos());
    mPressed = true;
}

void MoveFilter::moved(const QMouseEvent *event)
{
    if (!mPressed || mWindow->isMaximized())
        return;
    // A release that went elsewhere (to a popup, another window) still ends
    // the drag: the window never moves without the left button held.
    if (!(event->buttons() & Qt::LeftButton)) {
        mPressed = false;
        return;
    }
    mWindow->move(event->globalPos() - mPressPos);
}
