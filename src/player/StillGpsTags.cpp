#include "StillGpsTags.h"

#include <QDateTime>
#include <QVector>

#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr ExifByteOrder byteOrder = EXIF_BYTE_ORDER_MOTOROLA;
// Seconds of arc are kept in ten-thousandths: 3 mm on the ground.
constexpr qint64 arcSecondParts = 10000;
constexpr quint8 markerStart = 0xFF;
constexpr quint8 startOfImage = 0xD8;
constexpr quint8 jfifMarker = 0xE0;
constexpr quint8 exifMarker = 0xE1;
// A segment's length is 16 bits and counts its own two bytes.
constexpr int largestSegmentBody = 0xFFFF - 2;

struct ExifDataRelease
{
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

struct ExifMemRelease
{
    void operator()(ExifMem *mem) const { exif_mem_unref(mem); }
};

// The GPS directory of `exif` gets an entry of `count` values of `format`;
// returns its zeroed data, null when out of memory.
unsigned char *addGpsEntry(ExifData *exif, ExifMem *mem, int tag, ExifFormat format, unsigned long count)
{
    ExifEntry *entry = exif_entry_new_mem(mem);
    if (!entry)
        return nullptr;
    entry->tag = ExifTag(tag);
    entry->format = format;
    entry->components = count;
    entry->size = exif_format_get_size(format) * count;
    entry->data = static_cast<unsigned char *>(exif_mem_alloc(mem, entry->size));
    unsigned char *data = entry->data;
    if (data)
        exif_content_add_entry(exif->ifd[EXIF_IFD_GPS], entry);
    exif_entry_unref(entry);
    return data;
}

bool addText(ExifData *exif, ExifMem *mem, int tag, const QByteArray &text)
{
    // An ASCII value counts its closing NUL, which the zeroed data holds.
    unsigned char *data = addGpsEntry(exif, mem, tag, EXIF_FORMAT_ASCII, text.size() + 1);
    if (data)
        std::memcpy(data, text.constData(), size_t(text.size()));
    return data;
}

bool addRationals(ExifData *exif, ExifMem *mem, int tag, const QVector<ExifRational> &values)
{
    unsigned char *data = addGpsEntry(exif, mem, tag, EXIF_FORMAT_RATIONAL, values.size());
    for (int i = 0; data && i < values.size(); ++i)
        exif_set_rational(data + i * exif_format_get_size(EXIF_FORMAT_RATIONAL), byteOrder, values[i]);
    return data;
}

// Whole degrees, whole minutes and seconds of arc of a magnitude in degrees,
// split from one rounded count so that no part rounds up to 60.
QVector<ExifRational> arc(double degrees)
{
    const qint64 parts = std::llround(std::fabs(degrees) * 3600.0 * arcSecondParts);
    return {{ExifLong(parts / (3600 * arcSecondParts)), 1},
            {ExifLong(parts / (60 * arcSecondParts) % 60), 1},
            {ExifLong(parts % (60 * arcSecondParts)), ExifLong(arcSecondParts)}};
}

ExifRational hundredths(double value)
{
    const double bounded = std::isfinite(value) ? qBound(0.0, value, 1e7) : 0.0;
    return {ExifLong(std::llround(bounded * 100.0)), 100};
}

bool addPosition(ExifData *exif, ExifMem *mem, const TrackPoint &point)
{
    return addText(exif, mem, EXIF_TAG_GPS_LATITUDE_REF, point.latitude < 0 ? "S" : "N")
        && addRationals(exif, mem, EXIF_TAG_GPS_LATITUDE, arc(point.latitude))
        && addText(exif, mem, EXIF_TAG_GPS_LONGITUDE_REF, point.longitude < 0 ? "W" : "E")
        && addRationals(exif, mem, EXIF_TAG_GPS_LONGITUDE, arc(point.longitude));
}

// Speed in km/h; the course is both the direction of travel and, for a
// camera looking ahead, the direction the picture looks in.
bool addMotion(ExifData *exif, ExifMem *mem, const TrackPoint &point)
{
    const ExifRational course = hundredths(point.course);
    return addText(exif, mem, EXIF_TAG_GPS_SPEED_REF, "K")
        && addRationals(exif, mem, EXIF_TAG_GPS_SPEED, {hundredths(point.speedKmh)})
        && addText(exif, mem, EXIF_TAG_GPS_TRACK_REF, "T")
        && addRationals(exif, mem, EXIF_TAG_GPS_TRACK, {course})
        && addText(exif, mem, EXIF_TAG_GPS_IMG_DIRECTION_REF, "T")
        && addRationals(exif, mem, EXIF_TAG_GPS_IMG_DIRECTION, {course});
}

// The camera's time is GPS time, which is UTC, as these tags want it.
bool addTime(ExifData *exif, ExifMem *mem, const TrackPoint &point)
{
    const QDateTime time = point.time();
    if (!time.isValid())
        return true;
    const QTime clock = time.time();
    return addRationals(exif, mem, EXIF_TAG_GPS_TIME_STAMP,
                        {{ExifLong(clock.hour()), 1}, {ExifLong(clock.minute()), 1}, {ExifLong(clock.second()), 1}})
        && addText(exif, mem, EXIF_TAG_GPS_DATE_STAMP, time.date().toString(QStringLiteral("yyyy:MM:dd")).toLatin1());
}

bool addTags(ExifData *exif, ExifMem *mem, const TrackPoint &point)
{
    unsigned char *version = addGpsEntry(exif, mem, EXIF_TAG_GPS_VERSION_ID, EXIF_FORMAT_BYTE, 4);
    if (!version)
        return false;
    version[0] = 2;
    version[1] = 3;
    return addPosition(exif, mem, point) && addMotion(exif, mem, point) && addTime(exif, mem, point);
}

quint16 bigEndian16(const QByteArray &bytes, int at)
{
    return quint16(quint8(bytes[at]) << 8 | quint8(bytes[at + 1]));
}

} // namespace

bool StillGpsTags::applies(const TrackPoint &point)
{
    // Written this way round, a NaN fails too.
    return point.hasFix && std::fabs(point.latitude) <= 90.0 && std::fabs(point.longitude) <= 180.0;
}

QByteArray StillGpsTags::tagged(const QByteArray &jpeg, const TrackPoint &point, QString *reason)
{
    const int offset = insertionOffset(jpeg);
    if (offset < 0) {
        *reason = tr("the image is no JPEG");
        return {};
    }
    const QByteArray segment = exifSegment(point);
    if (segment.isEmpty()) {
        *reason = tr("the GPS tags could not be made");
        return {};
    }
    return jpeg.left(offset) + segment + jpeg.mid(offset);
}

QByteArray StillGpsTags::exifSegment(const TrackPoint &point)
{
    const std::unique_ptr<ExifMem, ExifMemRelease> mem(exif_mem_new_default());
    if (!mem)
        return {};
    const std::unique_ptr<ExifData, ExifDataRelease> exif(exif_data_new_mem(mem.get()));
    if (!exif)
        return {};
    exif_data_set_byte_order(exif.get(), byteOrder);
    if (!addTags(exif.get(), mem.get(), point))
        return {};
    unsigned char *saved = nullptr;
    unsigned int size = 0;
    exif_data_save_data(exif.get(), &saved, &size);
    const QByteArray body(reinterpret_cast<const char *>(saved), saved ? int(size) : 0);
    exif_mem_free(mem.get(), saved);
    if (body.isEmpty() || body.size() > largestSegmentBody)
        return {};
    const int length = body.size() + 2;
    QByteArray segment;
    segment.append(char(markerStart)).append(char(exifMarker));
    segment.append(char(length >> 8)).append(char(length & 0xFF));
    return segment + body;
}

int StillGpsTags::insertionOffset(const QByteArray &jpeg)
{
    if (jpeg.size() < 2 || quint8(jpeg[0]) != markerStart || quint8(jpeg[1]) != startOfImage)
        return -1;
    const int end = jpeg.size();
    int cur = 2;
    while (end - cur >= 4 && quint8(jpeg[cur]) == markerStart && quint8(jpeg[cur + 1]) == jfifMarker) {
        const int length = bigEndian16(jpeg, cur + 2);
        if (length < 2 || length > end - cur - 2)
            return -1;
        cur += 2 + length;
    }
    return cur;
}
