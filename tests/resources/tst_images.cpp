#include "ImageResources.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>
#include <QtTest>

namespace {

// Button glyphs and the size, twice the shown size, they are rendered at.
const QVector<QPair<QString, int>> buttonGlyphs = {
    {"setup", 48}, {"min", 48}, {"max", 48}, {"restore", 48}, {"close", 48},
    {"file", 64}, {"shot", 64}, {"play", 64}, {"pause", 64}, {"stop", 64},
    {"prev", 48}, {"next", 48}, {"volume", 40}, {"mute", 40},
    {"speedup", 32}, {"speeddown", 32}};
const QStringList stateSuffixes = {"normal", "hover", "pressed"};
const QVector<QPair<QString, int>> pictures = {
    {"logo", 72}, {"speed", 512}, {"direction", 512}};

QImage loadImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// A picture that is all background or all ink has lost its drawing.
bool hasBackgroundAndInk(const QImage &image)
{
    bool background = false;
    bool ink = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            background = background || alpha < 16;
            ink = ink || alpha > 200;
        }
    }
    return background && ink;
}

// Brightest grey level along a ray from the centre, between two fractions of
// the side; 0 degrees points up and angles grow clockwise.
int brightestAlongRay(const QImage &image, double degrees, double from, double to)
{
    const double side = image.width();
    const QPointF centre(side / 2, side / 2);
    const double radians = qDegreesToRadians(degrees);
    int brightest = 0;
    for (double r = from * side; r <= to * side; r += 0.5) {
        const QPointF point = centre + QPointF(r * qSin(radians), -r * qCos(radians));
        const QRgb pixel = image.pixel(point.toPoint());
        brightest = qMax(brightest, qAlpha(pixel) > 200 ? qGray(pixel) : 0);
    }
    return brightest;
}

enum class Mark { Present, Absent, Unclear };

// Marks are light on a dark face; anything in between is neither.
Mark markAlongRay(const QImage &image, double degrees, double from, double to)
{
    const int brightest = brightestAlongRay(image, degrees, from, to);
    if (brightest > 130)
        return Mark::Present;
    return brightest < 80 ? Mark::Absent : Mark::Unclear;
}

struct InkColour
{
    double red = 0;
    double green = 0;
    double blue = 0;
    double brightness() const { return red + green + blue; }
};

InkColour averageInk(const QImage &image)
{
    InkColour sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 250)
                continue;
            sum.red += qRed(pixel);
            sum.green += qGreen(pixel);
            sum.blue += qBlue(pixel);
            ++count;
        }
    }
    if (count > 0) {
        sum.red /= count;
        sum.green /= count;
        sum.blue /= count;
    }
    return sum;
}

QStringList imagePathsNamedBySources()
{
    static const QRegularExpression imagePath(QStringLiteral(":/?image/[A-Za-z0-9_]+\\.png"));
    QSet<QString> paths;
    QDirIterator files(QStringLiteral(VANTREL_SOURCE_DIR),
                       {"*.cpp", "*.h", "*.ui", "*.qss", "*.qrc"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        auto matches = imagePath.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext())
            paths.insert(matches.next().captured());
    }
    QStringList sorted = paths.values();
    sorted.sort();
    return sorted;
}

} // namespace

class tst_Images : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requiredImage_data();
    void requiredImage();
    void imageNamedBySources_data();
    void imageNamedBySources();
    void buttonStates_data();
    void buttonStates();
    void dialMarks_data();
    void dialMarks();
    void compassMarks_data();
    void compassMarks();
    void compassNorthIsRed();
};

void tst_Images::initTestCase()
{
    ImageResources::initialise();
}

void tst_Images::requiredImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    for (const auto &glyph : buttonGlyphs) {
        for (const QString &state : stateSuffixes) {
            const QString path = QStringLiteral(":/image/%1_%2.png").arg(glyph.first, state);
            QTest::newRow(qPrintable(path)) << path << glyph.second;
        }
    }
    for (const auto &picture : pictures) {
        const QString path = QStringLiteral(":/image/%1.png").arg(picture.first);
        QTest::newRow(qPrintable(path)) << path << picture.second;
    }
}

void tst_Images::requiredImage()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QImage image = loadImage(path);
    QVERIFY2(!image.isNull(), "missing from the resource");
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(hasBackgroundAndInk(image));
}

void tst_Images::imageNamedBySources_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = imagePathsNamedBySources();
    if (paths.isEmpty())
        QSKIP("no source names an image yet");
    for (const QString &path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void tst_Images::imageNamedBySources()
{
    QFETCH(QString, path);
    const QImage image = loadImage(path);
    QVERIFY2(!image.isNull(), "named in the sources but missing from the resource");
    QCOMPARE(image.width(), image.height());
    QVERIFY(hasBackgroundAndInk(image));
}

void tst_Images::buttonStates_data()
{
    QTest::addColumn<QString>("glyph");
    for (const auto &glyph : buttonGlyphs)
        QTest::newRow(qPrintable(glyph.first)) << glyph.first;
}

// The three states are one drawing in three colours: hover brighter than
// normal, pressed in the blue accent.
void tst_Images::buttonStates()
{
    QFETCH(QString, glyph);
    const QImage normal = loadImage(QStringLiteral(":/image/%1_normal.png").arg(glyph));
    const QImage hover = loadImage(QStringLiteral(":/image/%1_hover.png").arg(glyph));
    const QImage pressed = loadImage(QStringLiteral(":/image/%1_pressed.png").arg(glyph));
    QCOMPARE(hover.convertToFormat(QImage::Format_Alpha8),
             normal.convertToFormat(QImage::Format_Alpha8));
    QCOMPARE(pressed.convertToFormat(QImage::Format_Alpha8),
             normal.convertToFormat(QImage::Format_Alpha8));

    const InkColour normalInk = averageInk(normal);
    const InkColour hoverInk = averageInk(hover);
    const InkColour pressedInk = averageInk(pressed);
    QVERIFY(hoverInk.brightness() > normalInk.brightness() + 30);
    QVERIFY(pressedInk.blue > pressedInk.red + 100);
}

void tst_Images::dialMarks_data()
{
    // The needle turns 270 degrees: 0 km/h at -135, 220 km/h at +135. Its tip
    // reaches 0.3 of the side; the marks must start just beyond it.
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("marked");
    QTest::newRow("0 km/h") << -135.0 << true;
    QTest::newRow("100 km/h") << 100 * 270 / 220.0 - 135 << true;
    QTest::newRow("110 km/h, straight up") << 0.0 << true;
    QTest::newRow("120 km/h") << 120 * 270 / 220.0 - 135 << true;
    QTest::newRow("220 km/h") << 135.0 << true;
    QTest::newRow("below 0") << -145.0 << false;
    QTest::newRow("between 0 and 10") << 5 * 270 / 220.0 - 135 << false;
    QTest::newRow("beyond 220") << 145.0 << false;
    QTest::newRow("straight down") << 180.0 << false;
}

void tst_Images::dialMarks()
{
    QFETCH(double, degrees);
    QFETCH(bool, marked);
    const QImage dial = loadImage(QStringLiteral(":/image/speed.png"));
    QCOMPARE(markAlongRay(dial, degrees, 0.315, 0.355), marked ? Mark::Present : Mark::Absent);
}

void tst_Images::compassMarks_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("marked");
    for (int degrees = 0; degrees < 360; degrees += 45)
        QTest::newRow(qPrintable(QStringLiteral("%1 degrees").arg(degrees))) << double(degrees) << true;
    QTest::newRow("5 degrees") << 5.0 << false;
    QTest::newRow("95 degrees") << 95.0 << false;
    QTest::newRow("275 degrees") << 275.0 << false;
}

void tst_Images::compassMarks()
{
    QFETCH(double, degrees);
    QFETCH(bool, marked);
    const QImage compass = loadImage(QStringLiteral(":/image/direction.png"));
    QCOMPARE(markAlongRay(compass, degrees, 0.415, 0.455), marked ? Mark::Present : Mark::Absent);
}

// The needle's red end shows the heading; the red letter on the face is north,
// at the top.
void tst_Images::compassNorthIsRed()
{
    const QImage compass = loadImage(QStringLiteral(":/image/direction.png"));
    const int side = compass.width();
    auto redPixelsAround = [&](double degrees) {
        const double radians = qDegreesToRadians(degrees);
        const QPoint centre(side / 2 + int(0.335 * side * qSin(radians)),
                            side / 2 - int(0.335 * side * qCos(radians)));
        int count = 0;
        for (int dy = -side / 20; dy <= side / 20; ++dy) {
            for (int dx = -side / 20; dx <= side / 20; ++dx) {
                const QRgb pixel = compass.pixel(centre + QPoint(dx, dy));
                count += qRed(pixel) > 200 && qGreen(pixel) < 100 ? 1 : 0;
            }
        }
        return count;
    };
    QVERIFY(redPixelsAround(0) > 20);
    QCOMPARE(redPixelsAround(90), 0);
    QCOMPARE(redPixelsAround(180), 0);
    QCOMPARE(redPixelsAround(270), 0);
}

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
