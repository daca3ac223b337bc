#include "KeepAwake.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

void KeepAwake::request()
{
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
}

#else
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>

namespace {

// Looking for a bus that is not there would make libdbus launch one of its
// own, so only an announced or a standard per-user bus is used.
bool sessionBusAnnounced()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus"));
}

} // namespace

void KeepAwake::request()
{
    if (sessionBusAnnounced())
        requestOn(QDBusConnection::sessionBus());
}

bool KeepAwake::requestOn(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage inhibit = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
    inhibit << QCoreApplication::applicationName()
            << QStringLiteral("Playing dashboard camera recordings");
    // A desktop without an inhibitor answers with an error, which is of no
    // interest; no service is started for the request.
    inhibit.setAutoStartService(false);
    bus.asyncCall(inhibit);
    return true;
}
#endif
