#include "KmlWriter.h"

#include "SampleFields.h"

#include <QFileInfo>

namespace {

const QString kmlNamespace = QStringLiteral("http://www.opengis.net/kml/2.2");
const QString extensionNamespace = QStringLiteral("http://www.google.com/kml/ext/2.2");
const QString schemaId = QStringLiteral("telemetry");

QString coordinateText(const TrackPoint &point)
{
    // Longitude, latitude, altitude: the camera stores no altitude.
    return SampleFields::decimalText(point.longitude) + QLatin1Char(' ')
           + SampleFields::decimalText(point.latitude) + QLatin1String(" 0");
}

} // namespace

KmlWriter::KmlWriter(QIODevice &output)
    : TrackWriter(output), mXml(&output)
{
    // No indentation: it costs a device write per line of a long track.
}

void KmlWriter::begin()
{
    mXml.writeStartDocument();
    mXml.writeDefaultNamespace(kmlNamespace);
    mXml.writeNamespace(extensionNamespace, QStringLiteral("gx"));
    mXml.writeStartElement(kmlNamespace, QStringLiteral("kml"));
    mXml.writeStartElement(kmlNamespace, QStringLiteral("Document"));
    writeSchema();
}

void KmlWriter::writeSchema()
{
    mXml.writeStartElement(kmlNamespace, QStringLiteral("Schema"));
    mXml.writeAttribute(QStringLiteral("id"), schemaId);
    mXml.writeAttribute(QStringLiteral("name"), schemaId);
    const QStringList fields = {"speed", "Speed (m/s)", "course", "Course (degrees)"};
    for (int i = 0; i < fields.size(); i += 2) {
        mXml.writeStartElement(extensionNamespace, QStringLiteral("SimpleArrayField"));
        mXml.writeAttribute(QStringLiteral("name"), fields[i]);
        mXml.writeAttribute(QStringLiteral("type"), QStringLiteral("double"));
        mXml.writeTextElement(kmlNamespace, QStringLiteral("displayName"), fields[i + 1]);
        mXml.writeEndElement();
    }
    mXml.writeEndElement();
}

void KmlWriter::beginFile(const QString &path)
{
    mName = QFileInfo(path).fileName();
    mPoints.clear();
}

void KmlWriter::writeSample(const GpsData &data)
{
    writePoint(TrackPoint::fromSample(data));
}

void KmlWriter::writePoint(const TrackPoint &point)
{
    if (point.hasFix)
        mPoints.append(point);
}

void KmlWriter::beginTrip(const QString &name)
{
    mXml.writeStartElement(kmlNamespace, QStringLiteral("Placemark"));
    mXml.writeTextElement(kmlNamespace, QStringLiteral("name"), name);
    mXml.writeStartElement(extensionNamespace, QStringLiteral("MultiTrack"));
    mInTrip = true;
}

void KmlWriter::endTrip()
{
    mXml.writeEndElement(); // gx:MultiTrack
    mXml.writeEndElement(); // Placemark
    mInTrip = false;
}

void KmlWriter::endFile()
{
    if (mInTrip) {
        writeTrack();
        return;
    }
    mXml.writeStartElement(kmlNamespace, QStringLiteral("Placemark"));
    mXml.writeTextElement(kmlNamespace, QStringLiteral("name"), mName);
    writeTrack();
    mXml.writeEndElement(); // Placemark
}

void KmlWriter::writeTrack()
{
    mXml.writeStartElement(extensionNamespace, QStringLiteral("Track"));
    // Every coordinate needs its when, so a point without a valid time gets
    // an empty one.
    for (const TrackPoint &point : qAsConst(mPoints))
        mXml.writeTextElement(kmlNamespace, QStringLiteral("when"),
                              point.time().toString(Qt::ISODate));
    for (const TrackPoint &point : qAsConst(mPoints))
        mXml.writeTextElement(extensionNamespace, QStringLiteral("coord"), coordinateText(point));
    mXml.writeStartElement(kmlNamespace, QStringLiteral("ExtendedData"));
    mXml.writeStartElement(kmlNamespace, QStringLiteral("SchemaData"));
    mXml.writeAttribute(QStringLiteral("schemaUrl"), QLatin1Char('#') + schemaId);
    writeValueArray(QStringLiteral("speed"),
                    [](const TrackPoint &point) { return point.speedMetresPerSecond(); });
    writeValueArray(QStringLiteral("course"), [](const TrackPoint &point) { return point.course; });
    mXml.writeEndElement(); // SchemaData
    mXml.writeEndElement(); // ExtendedData
    mXml.writeEndElement(); // gx:Track
    mPoints.clear();
}

void KmlWriter::writeValueArray(const QString &name, double (*value)(const TrackPoint &))
{
    mXml.writeStartElement(extensionNamespace, QStringLiteral("SimpleArrayData"));
    mXml.writeAttribute(QStringLiteral("name"), name);
    for (const TrackPoint &point : qAsConst(mPoints))
        mXml.writeTextElement(extensionNamespace, QStringLiteral("value"),
                              SampleFields::decimalText(value(point)));
    mXml.writeEndElement();
}

void KmlWriter::end()
{
    mXml.writeEndDocument();
}
