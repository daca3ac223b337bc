#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace PlayerTestSupport {

// A demo recording by name, or an empty text when the demo was not built.
QString demoFile(const QString &name);
// Makes the process-wide configuration write screenshots into `folder`.
void useScreenshotFolder(const QString &folder);
// The JPEG names in `folder`, sorted.
QStringList screenshotsIn(const QString &folder);
// The frame size of an image file, or an invalid size when it is no JPEG.
QSize jpegSize(const QString &path);

// A stand-in `ffmpeg` found first in PATH while the object lives. Each run
// appends its process id to a log and then sleeps, so it never writes an
// image; a sleep of 0 ends at once.
class FakeFfmpeg
{
public:
    explicit FakeFfmpeg(int sleepSeconds);
    ~FakeFfmpeg();
    QStringList runs() const; // process ids, one per run
private:
    QTemporaryDir mDir;
    QByteArray mOldPath;
};

bool processExists(const QString &pid);

} // namespace PlayerTestSupport
