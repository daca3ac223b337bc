#include "ExifGpsTags.h"

#include <QFile>
#include <QSaveFile>

#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

#include <cmath>
#include <memory>

namespace {

constexpr ExifByteOrder byteOrder = EXIF_BYTE_ORDER_MOTOROLA;
// A still from a dashcam video is a few megabytes; a file far larger than
// this is not one, and is not read into memory.
constexpr qint64 largestStill = 256 * 1024 * 1024;
// Seconds of arc are stored in ten-thousandths (3 mm on the ground).
constexpr qint64 secondDenominator = 10000;

struct ExifDataUnref
{
    void operator()(ExifData *data) const { exif_data_unref(data); }
};

struct ExifMemUnref
{
    void operator()(ExifMem *mem) const { exif_mem_unref(mem); }
};

// A new entry of `components` values in the GPS directory; its data zeroed.
unsigned char *addEntry(ExifData *exif, ExifMem *mem, ExifTag tag, ExifFormat format, unsigned long components)
{
    ExifEntry *entry = exif_entry_new_mem(mem);
    if (!entry)
        return nullptr;
    entry->tag = tag;
    entry->format = format;
    entry->components = components;
    entry->size = exif_format_get_size(format) * components;
    entry->data = static_cast<unsigned char *>(exif_mem_alloc(mem, entry->size));
    unsigned char *data = entry->data;
    if (data)
        exif_content_add_entry(exif->ifd[EXIF_IFD_GPS], entry);
    exif_entry_unref(entry);
    return data;
}

void addText(ExifData *exif, ExifMem *mem, ExifTag tag, const QByteArray &text)
{
    // ASCII values count their terminating NUL, which the zeroed data holds.
    if (unsigned char *data = addEntry(exif, mem, tag, EXIF_FORMAT_ASCII, text.size() + 1))
        memcpy(data, text.constData(), text.size());
}

void addRationals(ExifData *exif, ExifMem *mem, ExifTag tag, const QVector<ExifRational> &values)
{
    unsigned char *data = addEntry(exif, mem, tag, EXIF_FORMAT_RATIONAL, values.size());
    for (int i = 0; data && i < values.size(); ++i)
        exif_set_rational(data + i * 8, byteOrder, values[i]);
}

// Degrees, minutes and seconds of arc of a magnitude in degrees.
QVector<ExifRational> arc(double degrees)
{
    const qint64 total = std::llround(std::fabs(degrees) * 3600.0 * secondDenominator);
    return {{ExifLong(total / (3600 * secondDenominator)), 1},
            {ExifLong(total / (60 * secondDenominator) % 60), 1},
            {ExifLong(total % (60 * secondDenominator)), ExifLong(secondDenominator)}};
}

ExifRational hundredths(double value)
{
    return {ExifLong(std::llround(std::fabs(value) * 100.0)), 100};
}

void addTags(ExifData *exif, ExifMem *mem, const TrackPoint &point)
{
    if (unsigned char *version = addEntry(exif, mem, ExifTag(EXIF_TAG_GPS_VERSION_ID), EXIF_FORMAT_BYTE, 4)) {
        version[0] = 2;
        version[1] = 3;
    }
    if (point.hasFix) {
        addText(exif, mem, ExifTag(EXIF_TAG_GPS_LATITUDE_REF), point.latitude < 0 ? "S" : "N");
        addRationals(exif, mem, ExifTag(EXIF_TAG_GPS_LATITUDE), arc(point.latitude));
        addText(exif, mem, ExifTag(EXIF_TAG_GPS_LONGITUDE_REF), point.longitude < 0 ? "W" : "E");
        addRationals(exif, mem, ExifTag(EXIF_TAG_GPS_LONGITUDE), arc(point.longitude));
        addText(exif, mem, ExifTag(EXIF_TAG_GPS_SPEED_REF), "K");
        addRationals(exif, mem, ExifTag(EXIF_TAG_GPS_SPEED), {hundredths(point.speedKmh)});
        addText(exif, mem, ExifTag(EXIF_TAG_GPS_TRACK_REF), "T");
        addRationals(exif, mem, ExifTag(EXIF_TAG_GPS_TRACK), {hundredths(point.course)});
        addText(exif, mem, ExifTag(EXIF_TAG_GPS_MAP_DATUM), "WGS-84");
    }
    const QDateTime time = point.time();
    if (time.isValid()) {
        // GPS time is UTC, as the camera stores it.
        const QTime clock = time.time();
        addRationals(exif, mem, ExifTag(EXIF_TAG_GPS_TIME_STAMP),
                     {{ExifLong(clock.hour()), 1}, {ExifLong(clock.minute()), 1}, {ExifLong(clock.second()), 1}});
        addText(exif, mem, ExifTag(EXIF_TAG_GPS_DATE_STAMP), time.date().toString(QStringLiteral("yyyy:MM:dd")).toLatin1());
    }
}

quint16 bigEndian16(const QByteArray &bytes, qint64 at)
{
    return quint16(quint8(bytes[int(at)]) << 8 | quint8(bytes[int(at + 1)]));
}

} // namespace

QByteArray ExifGpsTags::segment(const TrackPoint &point)
{
    if (!point.hasFix && !point.time().isValid())
        return {};
    const std::unique_ptr<ExifMem, ExifMemUnref> mem(exif_mem_new_default());
    const std::unique_ptr<ExifData, ExifDataUnref> exif(exif_data_new_mem(mem.get()));
    if (!mem || !exif)
        return {};
    // Only what is set here; no entries added or dropped by libexif's rules.
    exif_data_unset_option(exif.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_byte_order(exif.get(), byteOrder);
    addTags(exif.get(), mem.get(), point);
    unsigned char *saved = nullptr;
    unsigned int size = 0;
    exif_data_save_data(exif.get(), &saved, &size);
    const QByteArray block(reinterpret_cast<const char *>(saved), int(size));
    exif_mem_free(mem.get(), saved);
    if (block.isEmpty() || block.size() > 0xFFFF - 2)
        return {};
    QByteArray app1("\xFF\xE1", 2);
    const int length = block.size() + 2;  // the length counts itself
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    return app1 + block;
}

QByteArray ExifGpsTags::withSegment(const QByteArray &jpeg, const QByteArray &segment)
{
    if (jpeg.size() < 4 || quint8(jpeg[0]) != 0xFF || quint8(jpeg[1]) != 0xD8)
        return {};
    QByteArray out = jpeg.left(2);
    qint64 cur = 2;
    const qint64 end = jpeg.size();
    bool placed = false;
    // Only the leading application segments are looked at: a JFIF header
    // stays first, an EXIF block goes, the new one follows.
    while (end - cur >= 4 && quint8(jpeg[int(cur)]) == 0xFF) {
        const quint8 marker = quint8(jpeg[int(cur + 1)]);
        if (marker != 0xE0 && marker != 0xE1)
            break;
        const qint64 length = bigEndian16(jpeg, cur + 2);
        if (length < 2 || length > end - cur - 2)
            return {};
        const QByteArray whole = jpeg.mid(int(cur), int(length + 2));
        const bool exif = marker == 0xE1 && whole.mid(4, 6) == QByteArray("Exif\0\0", 6);
        if (marker == 0xE1 && !placed) {
            out += segment;
            placed = true;
        }
        if (!exif)
            out += whole;
        cur += length + 2;
    }
    if (!placed)
        out += segment;
    return out + jpeg.mid(int(cur));
}

QString ExifGpsTags::write(const QString &path, const TrackPoint &point)
{
    const QByteArray app1 = segment(point);
    if (app1.isEmpty())
        return QString();  // nothing known of this second
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return input.errorString();
    if (input.size() > largestStill)
        return tr("the image is too large");
    const QByteArray tagged = withSegment(input.readAll(), app1);
    input.close();
    if (tagged.isEmpty())
        return tr("the image is no JPEG");
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly) || output.write(tagged) != tagged.size() || !output.commit())
        return output.errorString();
    return QString();
}
