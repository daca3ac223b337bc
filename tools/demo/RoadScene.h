#pragma once

#include <QSize>
#include <QString>

enum class Camera { Front, Rear };

// The picture a demo camera records, as an ffmpeg filter graph: a street in
// Midtown with buildings against the sky, the centre line running towards
// the front camera and away from the rear one, the camera's name and its
// clock. The still part is drawn once and repeated, which keeps it cheap.
class RoadScene
{
public:
    RoadScene(Camera camera, int fps);

    QSize size() const;
    // A graph with no inputs and one video output labelled [video]. The clock
    // shows `clockStart` (seconds since 1970, UTC) at the first frame; without
    // a font file no text is drawn.
    QString filterGraph(qint64 clockStart, const QString &fontFile) const;

private:
    QString stillPicture(const QString &fontFile) const;
    QString laneMarkings() const;
    QString captions(const QString &fontFile) const;
    QString clock(qint64 clockStart, const QString &fontFile) const;
    int scaled(int frontPixels) const;
    // Height of the road visible under the horizon.
    int roadDepth() const;

    Camera mCamera;
    int mFps;
};
