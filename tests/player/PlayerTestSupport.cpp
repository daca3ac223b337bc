#include "PlayerTestSupport.h"

#include "Configuration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace PlayerTestSupport {

QString demoFile(const QString &name)
{
    const QString path = QStringLiteral(VANTREL_DEMO_DIR) + QLatin1Char('/') + name;
    return QFileInfo::exists(path) ? path : QString();
}

void useScreenshotFolder(const QString &folder)
{
    Configuration::instance()->setScreenshotSavePath(folder);
}

QStringList screenshotsIn(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.jpeg")}, QDir::Files, QDir::Name);
}

QSize jpegSize(const QString &path)
{
    QImageReader reader(path);
    if (reader.format() != "jpeg")
        return QSize();
    return reader.size();
}

FakeFfmpeg::FakeFfmpeg(int sleepSeconds)
    : mOldPath(qgetenv("PATH"))
{
    QFile script(mDir.filePath(QStringLiteral("ffmpeg")));
    script.open(QIODevice::WriteOnly);
    // exec keeps the logged id: killing it ends the sleep itself.
    script.write(QStringLiteral("#!/bin/sh\necho $$ >> '%1'\nexec sleep %2\n")
                     .arg(mDir.filePath(QStringLiteral("runs.log")))
                     .arg(sleepSeconds)
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    qputenv("PATH", QFile::encodeName(mDir.path()) + ':' + mOldPath);
}

FakeFfmpeg::~FakeFfmpeg()
{
    qputenv("PATH", mOldPath);
}

QStringList FakeFfmpeg::runs() const
{
    QFile log(mDir.filePath(QStringLiteral("runs.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool processExists(const QString &pid)
{
    return QFileInfo::exists(QStringLiteral("/proc/") + pid);
}

} // namespace PlayerTestSupport
