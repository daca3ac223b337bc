#pragma once

#include "TrackPoint.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// One second's telemetry as the EXIF GPS tags of a JPEG still, so photo
// tools place the still on a map: position, the camera's UTC date and time,
// speed in km/h and the course as true direction. Written with libexif; the
// still's own picture data is not touched.
class StillGpsTags
{
    Q_DECLARE_TR_FUNCTIONS(StillGpsTags)

public:
    // Whether `point` has anything worth tagging: a second without a fix,
    // or with a position no place on Earth has, is left untagged.
    static bool applies(const TrackPoint &point);

    // `jpeg` with an EXIF block of `point`'s tags after its start (and its
    // JFIF header, which stays first). Empty, with `reason` set, when `jpeg`
    // is no JPEG or the block cannot be made.
    static QByteArray tagged(const QByteArray &jpeg, const TrackPoint &point, QString *reason);

private:
    // The APP1 segment: marker, length and the "Exif" block.
    static QByteArray exifSegment(const TrackPoint &point);
    // Where the new segment goes: after the start of image and any JFIF
    // segments; -1 when `jpeg` is no JPEG.
    static int insertionOffset(const QByteArray &jpeg);
};
