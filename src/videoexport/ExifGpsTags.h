#pragma once

#include "TrackPoint.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The telemetry of one second as EXIF GPS tags of a JPEG still, so photo
// tools place the still on a map: position, UTC date and time, speed and
// course, as far as the second has them.
class ExifGpsTags
{
    Q_DECLARE_TR_FUNCTIONS(ExifGpsTags)

public:
    // Puts the tags into the JPEG at `path`, replacing any EXIF block it
    // has. Written whole under a temporary name and renamed, so the still is
    // never left half written. Empty on success, otherwise why not.
    static QString write(const QString &path, const TrackPoint &point);

    // The APP1 segment (marker, length, "Exif" block) for `point`; empty when
    // the point has neither a fix nor a time.
    static QByteArray segment(const TrackPoint &point);
    // `jpeg` with `segment` as its EXIF block: after the start of image and a
    // JFIF header, in place of an EXIF block already there. Empty when
    // `jpeg` is no JPEG.
    static QByteArray withSegment(const QByteArray &jpeg, const QByteArray &segment);
};
