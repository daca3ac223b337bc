#pragma once

#include <QByteArray>

// Byte-level helpers for writing MP4 boxes and RIFF chunks.
namespace BoxWriter {

QByteArray bigEndian16(quint16 value);
QByteArray bigEndian32(quint32 value);
QByteArray bigEndian64(quint64 value);
QByteArray littleEndian32(quint32 value);

// An MP4 box with a 32-bit size header.
QByteArray box(const char *type, const QByteArray &payload);
// An MP4 box whose size is given as a 64-bit largesize (size field 1).
QByteArray largeBox(const char *type, const QByteArray &payload);
// A bare MP4 header with the given size field, followed by nothing.
QByteArray boxHeader(quint32 size, const char *type);

// A RIFF chunk; bodies of odd size get the pad byte unless padded is false.
QByteArray chunk(const char *id, const QByteArray &body, bool padded = true);
// A RIFF "LIST" (or, with id "RIFF", the file header) of the given type.
QByteArray list(const char *listType, const QByteArray &body, const char *id = "LIST");

} // namespace BoxWriter
