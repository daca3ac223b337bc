#pragma once

#include "RoadScene.h"

#include <QDateTime>
#include <QStringList>

// What one camera clip looks like before its telemetry is added.
struct ClipRequest
{
    Camera camera = Camera::Front;
    int fps = 30;
    int seconds = 60;
    QDateTime start;            // camera clock at the first frame, UTC
    bool withSound = false;     // the cabin microphone: a quiet engine hum
    QString container = "mp4";  // ffmpeg's muxer name
};

// Runs ffmpeg to encode the demo clips (H.264, AAC) or to join clips into a
// longer recording without encoding again.
class ClipEncoder
{
public:
    ClipEncoder(const QString &ffmpeg, const QString &fontFile);

    bool encode(const ClipRequest &request, const QString &output);
    bool join(const QStringList &clips, const QDateTime &start, const QString &container,
              const QString &output);
    QString errorString() const { return mError; }

private:
    bool run(const QStringList &arguments);

    QString mFfmpeg;
    QString mFontFile;
    QString mError;
};
