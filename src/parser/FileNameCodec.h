#pragma once

#include <QTextCodec>

// The local 8-bit encoding Qt uses for file names, arguments and process
// command lines: UTF-8 where the bytes are UTF-8, and any other byte kept as
// the lone surrogate U+DC80..U+DCFF, which turns back into that very byte.
// Cameras and old cards hold names in other encodings; with Qt's own UTF-8
// codec such a name reads as U+FFFD and the file can no longer be found.
class FileNameCodec : public QTextCodec
{
public:
    // Makes this the locale's codec; call before the application object so
    // that its arguments are read with it too. Only the first call creates one.
    static void install();

    // True when the text holds a byte that is not UTF-8 (see above).
    static bool holdsRawBytes(const QString &text);
    // The text for showing and for writing into documents: each raw byte as
    // U+FFFD. A lone surrogate is no character, and Qt's UTF-8 writers turn
    // it, and with some of them everything after it, into garbage.
    static QString readable(QString text);

    QByteArray name() const override;
    int mibEnum() const override;

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *state) const override;
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override;
};
