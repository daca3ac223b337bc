#include "ImageResources.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
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
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
