#include "ImageResources.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>
#include <QtTest>

#include <algorithm>

namespace {

// The mean colour of the ink, weighted by its opacity; its alpha is the mean opacity.
QColor inkColour(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .pixelColor(0, 0);
}

// The opaque pixels along a ray from the centre, between two fractions of the
// side; 0 degrees points up and angles grow clockwise.
QVector<QRgb> alongRay(const QImage &image, double degrees, double from, double to)
{
    const double side = image.width();
    const double radians = qDegreesToRadians(degrees);
    QVector<QRgb> pixels;
    for (double r = from * side; r <= to * side; r += 0.5) {
        const QRgb pixel = image.pixel(QPointF(side / 2 + r * qSin(radians), side / 2 - r * qCos(radians)).toPoint());
        if (qAlpha(pixel) > 200)
            pixels << pixel;
    }
    return pixels;
}

} // namespace

class tst_Images : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::initialise(); }

    // Every picture that the sources name, with its three button states alike.
    void imageNamedBySources_data()
    {
        QTest::addColumn<QString>("path");
        static const QRegularExpression imagePath(QStringLiteral(":/?image/[A-Za-z0-9_]+\\.png"));
        QSet<QString> paths;
        QDirIterator files(QStringLiteral(VANTREL_SOURCE_DIR), {"*.cpp", "*.h", "*.ui", "*.qss", "*.qrc"},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            file.open(QIODevice::ReadOnly);
            for (auto it = imagePath.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();)
                paths.insert(it.next().captured());
        }
        for (const QString &path : qAsConst(paths))
            QTest::newRow(qPrintable(path)) << path;
    }

    void imageNamedBySources()
    {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY2(!image.isNull(), "named in the sources but missing from the resource");
        QCOMPARE(image.width(), image.height());
        // A picture that is all background or all ink has lost its drawing.
        const QColor ink = inkColour(image);
        QVERIFY2(ink.alpha() > 5 && ink.alpha() < 250, qPrintable(QString::number(ink.alpha())));
        if (!path.endsWith(QLatin1String("_normal.png")))
            return;
        // Hover is the same drawing, brighter; pressed is it in the blue accent.
        const auto brightness = [](const QColor &colour) { return colour.red() + colour.green() + colour.blue(); };
        for (const QString state : {"hover", "pressed"}) {
            const QImage other(QString(path).replace(QLatin1String("normal"), state));
            QCOMPARE(other.convertToFormat(QImage::Format_Alpha8), image.convertToFormat(QImage::Format_Alpha8));
            const QColor colour = inkColour(other);
            QVERIFY(state == QLatin1String("hover") ? brightness(colour) > brightness(ink) + 30
                                                    : colour.blue() > colour.red() + 100);
        }
    }

    void gaugeMarks_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<bool>("marked");
        // The speed needle turns 270 degrees: 0 km/h at -135, 220 km/h at +135.
        QTest::newRow("speed: 0 km/h") << "speed" << -135.0 << true;
        QTest::newRow("speed: 110 km/h, straight up") << "speed" << 0.0 << true;
        QTest::newRow("speed: between 0 and 10") << "speed" << 5 * 270 / 220.0 - 135 << false;
        QTest::newRow("speed: straight down") << "speed" << 180.0 << false;
        QTest::newRow("direction: east") << "direction" << 90.0 << true;
        QTest::newRow("direction: south-west") << "direction" << 225.0 << true;
        QTest::newRow("direction: 95 degrees") << "direction" << 95.0 << false;
    }

    // Marks are light on a dark face, just beyond the needle's tip.
    void gaugeMarks()
    {
        QFETCH(QString, image);
        QFETCH(double, degrees);
        QFETCH(bool, marked);
        const double from = image == QLatin1String("speed") ? 0.315 : 0.415;
        const QImage gauge(QStringLiteral(":/image/%1.png").arg(image));
        int brightest = 0;
        for (const QRgb pixel : alongRay(gauge, degrees, from, from + 0.04))
            brightest = qMax(brightest, qGray(pixel));
        QVERIFY2(marked ? brightest > 130 : brightest < 80, qPrintable(QString::number(brightest)));
    }

    // The red letter on the face is north, at the top.
    void compassNorthIsRed()
    {
        const QImage compass(QStringLiteral(":/image/direction.png"));
        const auto redAlong = [&compass](double degrees) {
            const QVector<QRgb> pixels = alongRay(compass, degrees, 0.28, 0.39);
            return std::count_if(pixels.begin(), pixels.end(),
                                 [](QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 100; });
        };
        QVERIFY(redAlong(0) > 5);
        QCOMPARE(redAlong(90) + redAlong(180) + redAlong(270), 0);
    }
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
