#include "ApplicationIdentity.h"

#include <QCoreApplication>

QString ApplicationIdentity::title()
{
    return QStringLiteral("Vantrel V1.6 20200221");
}

QString ApplicationIdentity::version()
{
    return QStringLiteral("1.0.0.090311");
}

void ApplicationIdentity::apply(const QString &organisation)
{
    QCoreApplication::setApplicationName(title());
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationVersion(version());
}
