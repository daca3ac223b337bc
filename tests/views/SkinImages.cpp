#include "SkinImages.h"

#include <QFile>
#include <QRegularExpression>
#include <QWidget>

QStringList missingSkinImages(const QWidget *widget)
{
    static const QRegularExpression imageUrl(QStringLiteral(R"(url\((:/image/[^)]+)\))"));
    QList<const QWidget *> widgets{widget};
    for (const QWidget *child : widget->findChildren<QWidget *>())
        widgets.append(child);

    QStringList missing;
    for (const QWidget *each : widgets) {
        auto match = imageUrl.globalMatch(each->styleSheet());
        while (match.hasNext()) {
            const QString image = match.next().captured(1);
            if (!QFile::exists(image))
                missing.append(each->objectName() + QLatin1Char(' ') + image);
        }
    }
    return missing;
}
