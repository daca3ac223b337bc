#pragma once

#include "TrackPoint.h"
#include "TrackWriter.h"

#include <QVector>
#include <QXmlStreamWriter>

// KML 2.2: one Placemark per file holding a gx:Track of the samples that
// have a position, with speed (m/s) and course as extended-data arrays.
// A gx:Track lists all times before all coordinates, so each file's points
// are kept until the file ends. A merged trip is one Placemark holding a
// gx:MultiTrack with one gx:Track per file.
class KmlWriter : public TrackWriter
{
public:
    explicit KmlWriter(QIODevice &output);

    void begin() override;
    void beginFile(const QString &path) override;
    void writeSample(const GpsData &data) override;
    void endFile() override;
    void end() override;
    void beginTrip(const QString &name) override;
    void writePoint(const TrackPoint &point) override;
    void endTrip() override;

private:
    void writeSchema();
    void writeTrack();
    void writeValueArray(const QString &name, double (*value)(const TrackPoint &));

    QXmlStreamWriter mXml;
    QString mName;
    QVector<TrackPoint> mPoints;
    bool mInTrip = false;
};
