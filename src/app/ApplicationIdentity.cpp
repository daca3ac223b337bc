#include "ApplicationIdentity.h"

#include "VantrelVersion.h"

#include <QGuiApplication>

QString ApplicationIdentity::title()
{
    return QStringLiteral("Vantrel V" VANTREL_VERSION_SHORT " " VANTREL_RELEASE_STAMP);
}

QString ApplicationIdentity::version()
{
    return QStringLiteral(VANTREL_VERSION);
}

QString ApplicationIdentity::desktopId()
{
    return QStringLiteral(VANTREL_APP_ID);
}

void ApplicationIdentity::apply(const QString &organisation)
{
    QCoreApplication::setApplicationName(title());
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationVersion(version());
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(desktopId());
}
