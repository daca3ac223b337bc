#include "FileNameCodec.h"

namespace {

constexpr ushort rawByteBase = 0xDC00;

bool isRawByte(ushort unit)
{
    return unit >= rawByteBase + 0x80 && unit <= rawByteBase + 0xFF;
}

// Length of the UTF-8 sequence starting at `in`, or 0 when it is not one:
// overlong forms, surrogates and code points past U+10FFFF are refused, so
// that every byte string has exactly one reading and turns back unchanged.
int sequenceLength(const uchar *in, qint64 available, uint &codePoint)
{
    const uchar lead = in[0];
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 0 || length > available)
        return 0;
    codePoint = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((in[i] & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (in[i] & 0x3F);
    }
    const uint smallest = length == 3 ? 0x800 : 0x10000;
    if ((length > 2 && codePoint < smallest) || QChar::isSurrogate(codePoint)
        || codePoint > 0x10FFFF)
        return 0;
    return length;
}

void appendUtf8(QByteArray &out, uint codePoint)
{
    if (codePoint < 0x80) {
        out.append(char(codePoint));
    } else if (codePoint < 0x800) {
        out.append(char(0xC0 | (codePoint >> 6)));
        out.append(char(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.append(char(0xE0 | (codePoint >> 12)));
        out.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
        out.append(char(0x80 | (codePoint & 0x3F)));
    } else {
        out.append(char(0xF0 | (codePoint >> 18)));
        out.append(char(0x80 | ((codePoint >> 12) & 0x3F)));
        out.append(char(0x80 | ((codePoint >> 6) & 0x3F)));
        out.append(char(0x80 | (codePoint & 0x3F)));
    }
}

} // namespace

void FileNameCodec::install()
{
    // Qt owns every codec once it is constructed and deletes them at exit.
    static FileNameCodec *codec = new FileNameCodec;
    QTextCodec::setCodecForLocale(codec);
}

bool FileNameCodec::holdsRawBytes(const QString &text)
{
    for (const QChar c : text) {
        if (isRawByte(c.unicode()))
            return true;
    }
    return false;
}

QString FileNameCodec::readable(QString text)
{
    for (QChar &c : text) {
        if (isRawByte(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

QByteArray FileNameCodec::name() const
{
    return QByteArrayLiteral("UTF-8 keeping raw bytes");
}

int FileNameCodec::mibEnum() const
{
    // Not a registered character set; no one asks for it by number.
    return -4096;
}

// File names, arguments and command lines come whole, so a sequence cut at
// the end of a block is taken as raw bytes rather than carried over.
QString FileNameCodec::convertToUnicode(const char *in, int length, ConverterState *) const
{
    QString out;
    out.reserve(length);
    const auto *bytes = reinterpret_cast<const uchar *>(in);
    for (int i = 0; i < length;) {
        uint codePoint = bytes[i];
        const int sequence = codePoint < 0x80 ? 1 : sequenceLength(bytes + i, length - i, codePoint);
        if (sequence == 0) {
            out.append(QChar(ushort(rawByteBase + bytes[i])));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(codePoint)) {
            out.append(QChar(QChar::highSurrogate(codePoint)));
            out.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            out.append(QChar(ushort(codePoint)));
        }
        i += sequence;
    }
    return out;
}

QByteArray FileNameCodec::convertFromUnicode(const QChar *in, int length, ConverterState *state) const
{
    QByteArray out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        uint unit = in[i].unicode();
        if (isRawByte(unit)) {
            out.append(char(unit - rawByteBase));
        } else if (QChar::isHighSurrogate(unit) && i + 1 < length && in[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(ushort(unit), in[++i].unicode()));
        } else if (QChar::isSurrogate(unit)) {
            // A lone surrogate that stands for no byte has no encoding.
            out.append('?');
            if (state)
                ++state->invalidChars;
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}
