#include "ImageResources.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtMath>
#include <QtTest>

class tst_Images : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::initialise(); }

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
        // A picture that is all background or all ink (mean opacity) has lost its drawing.
        const int ink = image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0).alpha();
        QVERIFY2(ink > 5 && ink < 250, qPrintable(QString::number(ink)));
        // The hover and pressed states are the same drawing in other colours.
        for (const QString state : {"hover", "pressed"})
            if (path.endsWith(QLatin1String("_normal.png")))
                QCOMPARE(QImage(QString(path).replace(QLatin1String("normal"), state)).convertToFormat(QImage::Format_Alpha8),
                         image.convertToFormat(QImage::Format_Alpha8));
    }

    void gaugeMarks_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<double>("degrees"); // 0 points up, clockwise; speed 0 at -135, 220 km/h at +135
        QTest::addColumn<bool>("marked");
        QTest::newRow("speed: 0 km/h") << "speed" << -135.0 << true;
        QTest::newRow("speed: between 0 and 10") << "speed" << 5 * 270 / 220.0 - 135 << false;
        QTest::newRow("direction: east") << "direction" << 90.0 << true;
        QTest::newRow("direction: 95 degrees") << "direction" << 95.0 << false;
    }

    // Marks are light on a dark face, just beyond the needle's tip.
    void gaugeMarks()
    {
        QFETCH(QString, image);
        QFETCH(double, degrees);
        QFETCH(bool, marked);
        const QImage gauge(QStringLiteral(":/image/%1.png").arg(image));
        const double side = gauge.width(), from = (image == QLatin1String("speed") ? 0.315 : 0.415) * side;
        const QPointF direction(qSin(qDegreesToRadians(degrees)), -qCos(qDegreesToRadians(degrees)));
        int brightest = 0;
        for (double r = from; r <= from + 0.04 * side; r += 0.5) {
            const QRgb pixel = gauge.pixel((QPointF(side / 2, side / 2) + r * direction).toPoint());
            brightest = qAlpha(pixel) > 200 ? qMax(brightest, qGray(pixel)) : brightest;
        }
        QVERIFY2(marked ? brightest > 130 : brightest < 80, qPrintable(QString::number(brightest)));
    }
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
