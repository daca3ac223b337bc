#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The playback keys of a window: Space plays or pauses, Left and Right step
// a second back or forward, Alt+Enter and the keypad's Enter switch the video
// to full screen, Page Up and Page Down go to the clip before or after, and
// [ and ] to the G-sensor event before or after, and I and O mark the start
// and the end of a stretch to export. They are the window's shortcuts, so they work wherever the
// focus is inside it (the map page, the table, the control bar). A text field
// that takes such a key for itself keeps it, and a dialog is a window of its
// own, so neither typing nor a dialog ever triggers playback.
class PlaybackKeys : public QObject
{
    Q_OBJECT
public:
    enum class Action { TogglePlay, Back, Forward, FullScreen, PreviousClip, NextClip, PreviousEvent, NextEvent, MarkIn, MarkOut };

    explicit PlaybackKeys(QWidget *window);

    // A key that a full-screen video (a window of its own) handed over;
    // true when it was one of the playback keys.
    bool handle(const QKeyEvent *event);

signals:
    void togglePlay();
    void seekBy(int seconds);
    void toggleFullScreen();
    void previousClip();
    void nextClip();
    void previousEvent();
    void nextEvent();
    void markIn();
    void markOut();

private:
    void trigger(Action action);
};
