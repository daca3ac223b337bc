#pragma once

class QDBusConnection;

// Keeps the machine and the display awake while the player runs, so that a
// long recording is not interrupted by the screen saver. The request is made
// once and lapses when the process ends.
class KeepAwake
{
public:
    // Asks the platform. On Linux this is the desktop's idle inhibitor on the
    // session bus; without a session bus or an inhibitor nothing happens.
    // Needs the application object (D-Bus delivers through its event loop).
    static void request();

#ifndef Q_OS_WIN
    // Sends the inhibit request over `bus` without waiting for the answer;
    // false when the bus is not connected. The inhibitor holds the request
    // for as long as this connection stays open.
    static bool requestOn(const QDBusConnection &bus);
#endif
};
