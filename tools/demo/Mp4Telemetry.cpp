#include "Mp4Telemetry.h"

#include "BoxWriter.h"
#include "SampleRecord.h"

#include <QFile>
#include <QtEndian>

#include <limits>

using namespace BoxWriter;

namespace {

constexpr int gps0Stride = 311;
// Each "gps " table entry points at a block whose record starts 18 bytes in.
constexpr int tableRecordLead = 18;
constexpr int tableBlockSize = tableRecordLead + gpsRecordSize;

struct BoxPosition
{
    qint64 start = -1;
    qint64 size = 0;
    int headerSize = 8;
};

// Walks the top-level boxes for moov; only box headers are read.
BoxPosition findTopLevelBox(QFile &file, const char *type)
{
    const qint64 end = file.size();
    qint64 position = 0;
    while (end - position >= 8) {
        file.seek(position);
        const QByteArray header = file.read(16);
        if (header.size() < 8)
            break;
        BoxPosition box{position, qFromBigEndian<quint32>(header.constData()), 8};
        if (box.size == 1 && header.size() == 16) {
            box.size = static_cast<qint64>(qFromBigEndian<quint64>(header.constData() + 8));
            box.headerSize = 16;
        } else if (box.size == 0) {
            box.size = end - position;
        }
        if (box.size < box.headerSize || box.size > end - position)
            break;
        if (header.mid(4, 4) == type)
            return box;
        position += box.size;
    }
    return {};
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

namespace Mp4Telemetry {

bool appendGps0Box(const QString &path, const QVector<GpsRecord> &records, QString *error)
{
    QByteArray packed;
    for (const GpsRecord &record : records)
        packed += recordBytes(record).left(gps0Stride);
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return fail(error, file.errorString());
    if (file.write(box("gps0", packed)) != packed.size() + 8)
        return fail(error, file.errorString());
    return true;
}

bool addGpsTable(const QString &path, const QVector<GpsRecord> &records, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return fail(error, file.errorString());
    const BoxPosition moov = findTopLevelBox(file, "moov");
    if (moov.start < 0 || moov.headerSize != 8 || moov.size != file.size() - moov.start)
        return fail(error, "the movie box is not the last box of " + path);

    file.seek(moov.start + moov.headerSize);
    const QByteArray movie = file.read(moov.size - moov.headerSize);
    const qint64 tableBoxSize = 16 + 8LL * records.size();
    const qint64 blocksStart = moov.start + moov.size + tableBoxSize + 8;
    const qint64 blocksEnd = blocksStart + qint64(tableBlockSize) * records.size();
    if (movie.size() != moov.size - 8 || blocksEnd > std::numeric_limits<quint32>::max())
        return fail(error, "cannot place the record table in " + path);

    QByteArray table = bigEndian32(0) + bigEndian32(static_cast<quint32>(records.size()));
    QByteArray blocks;
    for (int i = 0; i < records.size(); ++i) {
        table += bigEndian32(static_cast<quint32>(blocksStart + qint64(tableBlockSize) * i))
                 + bigEndian32(tableBlockSize);
        blocks += QByteArray(tableRecordLead, '\0') + recordBytes(records[i]);
    }
    // Readers skip "free" boxes, so the records stay invisible to players.
    const QByteArray tail = box("moov", movie + box("gps ", table)) + box("free", blocks);
    if (!file.resize(moov.start) || !file.seek(moov.start) || file.write(tail) != tail.size())
        return fail(error, file.errorString());
    return true;
}

} // namespace Mp4Telemetry
