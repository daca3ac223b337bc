#include "RoadScene.h"

#include <QStringList>

namespace {

struct Block
{
    int x, y, width, height;
    const char *colour;
};

// Laid out on the front camera's 1280x720 frame; the rear one is half size.
constexpr int horizon = 396;
constexpr int dashWidth = 24;
constexpr int dashPeriod = 160;
constexpr int dashSpeed = 420;  // pixels per second
constexpr int rearFrame = 24;   // the rear window's frame around the picture

const Block frontBuildings[] = {
    {0, 140, 260, 260, "0x6b6460"},   {230, 60, 180, 340, "0x857a70"},
    {880, 90, 200, 310, "0x7a6f66"},  {1060, 170, 220, 230, "0x625b57"},
};
const Block rearBuildings[] = {
    {0, 200, 340, 200, "0x5d5a66"},   {300, 110, 150, 290, "0x77727f"},
    {900, 40, 160, 360, "0x6f6a60"},  {1040, 230, 240, 170, "0x58544f"},
};

QString box(int x, int y, int width, int height, const QString &colour, const QString &thickness)
{
    return QString("drawbox=x=%1:y=%2:w=%3:h=%4:c=%5:t=%6")
        .arg(x).arg(y).arg(width).arg(height).arg(colour, thickness);
}

QString drawText(const QString &fontFile, int fontSize)
{
    return QString("drawtext=fontfile='%1':fontcolor=white:borderw=2:fontsize=%2:")
        .arg(fontFile, QString::number(fontSize));
}

} // namespace

RoadScene::RoadScene(Camera camera, int fps) : mCamera(camera), mFps(fps) {}

QSize RoadScene::size() const
{
    return QSize(scaled(1280), scaled(720));
}

int RoadScene::scaled(int frontPixels) const
{
    return mCamera == Camera::Front ? frontPixels : frontPixels / 2;
}

int RoadScene::roadDepth() const
{
    const int below = size().height() - scaled(horizon);
    return mCamera == Camera::Front ? below : below - scaled(rearFrame);
}

QString RoadScene::filterGraph(qint64 clockStart, const QString &fontFile) const
{
    QStringList chain = {QString("overlay=x=%1:y=%2")
                             .arg((size().width() - scaled(dashWidth)) / 2)
                             .arg(scaled(horizon))};
    if (!fontFile.isEmpty())
        chain << clock(clockStart, fontFile);
    return stillPicture(fontFile) + "[still];" + laneMarkings() + "[dashes];[still][dashes]"
           + chain.join(',') + "[video]";
}

QString RoadScene::stillPicture(const QString &fontFile) const
{
    const bool front = mCamera == Camera::Front;
    QStringList chain;
    chain << QString("color=c=%1:s=%2x%3:r=%4")
                 .arg(front ? "0x8db4d9" : "0x9fb8cc")
                 .arg(size().width()).arg(size().height()).arg(mFps)
          << "format=yuv420p";
    for (const Block &block : front ? frontBuildings : rearBuildings)
        chain << box(scaled(block.x), scaled(block.y), scaled(block.width), scaled(block.height),
                     block.colour, "fill");
    chain << box(0, scaled(horizon), size().width(), size().height() - scaled(horizon),
                 "0x454545", "fill");
    if (!front) {
        chain << box(0, 0, size().width(), size().height(), "black",
                     QString::number(scaled(rearFrame)));
    }
    if (!fontFile.isEmpty())
        chain << captions(fontFile);
    chain << "trim=end_frame=1" << "loop=loop=-1:size=1"
          << QString("setpts=N/%1/TB").arg(mFps);
    return chain.join(',');
}

QString RoadScene::laneMarkings() const
{
    // Towards the front camera the dashes come down the picture, behind the
    // car they go up it.
    const QString direction = mCamera == Camera::Front ? "-" : "+";
    return QString("color=c=gray:s=%1x%2:r=%3,format=gray,"
                   "geq=lum='if(lt(mod(Y%4T*%5\\,%6)\\,%7)\\,230\\,69)',format=yuv420p")
        .arg(scaled(dashWidth)).arg(roadDepth()).arg(mFps)
        .arg(direction).arg(scaled(dashSpeed)).arg(scaled(dashPeriod)).arg(scaled(dashPeriod / 2));
}

QString RoadScene::captions(const QString &fontFile) const
{
    const int margin = scaled(36);
    const QString name = drawText(fontFile, scaled(40))
                         + QString("x=%1:y=%1:text=%2")
                               .arg(margin)
                               .arg(mCamera == Camera::Front ? "FRONT" : "REAR");
    const QString place = drawText(fontFile, scaled(24))
                          + QString("x=%1:y=h-th-%1:text='Vantrel demo, Midtown Manhattan'")
                                .arg(margin);
    return name + ',' + place;
}

QString RoadScene::clock(qint64 clockStart, const QString &fontFile) const
{
    return drawText(fontFile, scaled(36))
           + QString("x=w-tw-%1:y=%1:text='%{pts\\:gmtime\\:%2\\:%Y-%m-%d %H\\\\\\:%M\\\\\\:%S}'")
                 .arg(scaled(36))
                 .arg(clockStart);
}
