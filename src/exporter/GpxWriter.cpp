#include "GpxWriter.h"

#include "SampleFields.h"
#include "TrackPoint.h"

#include <QFileInfo>

namespace {

const QString gpxNamespace = QStringLiteral("http://www.topografix.com/GPX/1/1");
const QString extensionNamespace =
    QStringLiteral("http://www.garmin.com/xmlschemas/TrackPointExtension/v2");

} // namespace

GpxWriter::GpxWriter(QIODevice &output)
    : TrackWriter(output), mXml(&output)
{
    // No indentation: it costs a device write per line of a long track.
}

void GpxWriter::begin()
{
    mXml.writeStartDocument();
    mXml.writeDefaultNamespace(gpxNamespace);
    mXml.writeNamespace(extensionNamespace, QStringLiteral("gpxtpx"));
    mXml.writeStartElement(gpxNamespace, QStringLiteral("gpx"));
    mXml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    mXml.writeAttribute(QStringLiteral("creator"), QStringLiteral("vantrel-telemetry"));
}

void GpxWriter::beginTrip(const QString &name)
{
    mXml.writeStartElement(gpxNamespace, QStringLiteral("trk"));
    mXml.writeTextElement(gpxNamespace, QStringLiteral("name"), name);
    mInTrip = true;
}

void GpxWriter::endTrip()
{
    mXml.writeEndElement(); // trk
    mInTrip = false;
}

void GpxWriter::beginFile(const QString &path)
{
    if (!mInTrip) {
        mXml.writeStartElement(gpxNamespace, QStringLiteral("trk"));
        mXml.writeTextElement(gpxNamespace, QStringLiteral("name"), QFileInfo(path).fileName());
    }
    mXml.writeStartElement(gpxNamespace, QStringLiteral("trkseg"));
}

void GpxWriter::writeSample(const GpsData &data)
{
    writePoint(TrackPoint::fromSample(data));
}

void GpxWriter::writePoint(const TrackPoint &point)
{
    if (!point.hasFix)
        return;
    mXml.writeStartElement(gpxNamespace, QStringLiteral("trkpt"));
    mXml.writeAttribute(QStringLiteral("lat"), SampleFields::decimalText(point.latitude));
    mXml.writeAttribute(QStringLiteral("lon"), SampleFields::decimalText(point.longitude));
    if (point.time().isValid())
        mXml.writeTextElement(gpxNamespace, QStringLiteral("time"),
                              point.time().toString(Qt::ISODate));
    mXml.writeStartElement(gpxNamespace, QStringLiteral("extensions"));
    mXml.writeStartElement(extensionNamespace, QStringLiteral("TrackPointExtension"));
    mXml.writeTextElement(extensionNamespace, QStringLiteral("speed"),
                          SampleFields::decimalText(point.speedMetresPerSecond()));
    mXml.writeTextElement(extensionNamespace, QStringLiteral("course"),
                          SampleFields::decimalText(point.course));
    mXml.writeEndElement(); // TrackPointExtension
    mXml.writeEndElement(); // extensions
    mXml.writeEndElement(); // trkpt
}

void GpxWriter::endFile()
{
    mXml.writeEndElement(); // trkseg
    if (!mInTrip)
        mXml.writeEndElement(); // trk
}

void GpxWriter::end()
{
    mXml.writeEndDocument();
}
