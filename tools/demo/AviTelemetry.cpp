#include "AviTelemetry.h"

#include "BoxWriter.h"
#include "SampleRecord.h"

#include <QFile>

#include <limits>

namespace {

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

namespace AviTelemetry {

bool appendGpslBlock(const QString &path, const QVector<GpsRecord> &records, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return fail(error, file.errorString());
    const qint64 blockOffset = file.size();
    if (blockOffset > std::numeric_limits<quint32>::max())
        return fail(error, "the GPSL offset does not fit in 32 bits");
    QByteArray block = "GPSL" + BoxWriter::bigEndian32(static_cast<quint32>(records.size()));
    for (const GpsRecord &record : records)
        block += recordBytes(record);
    block += BoxWriter::bigEndian32(static_cast<quint32>(blockOffset));
    if (file.write(block) != block.size())
        return fail(error, file.errorString());
    return true;
}

} // namespace AviTelemetry
