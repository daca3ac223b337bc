#include "BoxWriter.h"

#include <QtEndian>

namespace BoxWriter {

namespace {

template<typename Value>
QByteArray bytesOf(Value value, bool bigEndian)
{
    QByteArray bytes(sizeof value, '\0');
    if (bigEndian)
        qToBigEndian(value, bytes.data());
    else
        qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

QByteArray bigEndian16(quint16 value) { return bytesOf(value, true); }
QByteArray bigEndian32(quint32 value) { return bytesOf(value, true); }
QByteArray bigEndian64(quint64 value) { return bytesOf(value, true); }
QByteArray littleEndian32(quint32 value) { return bytesOf(value, false); }

QByteArray box(const char *type, const QByteArray &payload)
{
    return bigEndian32(static_cast<quint32>(payload.size() + 8)) + QByteArray(type, 4) + payload;
}

QByteArray largeBox(const char *type, const QByteArray &payload)
{
    return bigEndian32(1) + QByteArray(type, 4)
           + bigEndian64(static_cast<quint64>(payload.size()) + 16) + payload;
}

QByteArray boxHeader(quint32 size, const char *type)
{
    return bigEndian32(size) + QByteArray(type, 4);
}

QByteArray chunk(const char *id, const QByteArray &body, bool padded)
{
    QByteArray bytes = QByteArray(id, 4) + littleEndian32(static_cast<quint32>(body.size())) + body;
    if (padded && body.size() % 2 == 1)
        bytes.append('\0');
    return bytes;
}

QByteArray list(const char *listType, const QByteArray &body, const char *id)
{
    return QByteArray(id, 4) + littleEndian32(static_cast<quint32>(body.size() + 4))
           + QByteArray(listType, 4) + body;
}

} // namespace BoxWriter
