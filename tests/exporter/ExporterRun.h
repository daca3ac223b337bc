#pragma once

#include <QProcess>

// One run of the built exporter: its exit status (-1 if it did not end by
// itself), what it wrote and the lines of its standard output.
struct Run { int exitCode; QByteArray out, err; QList<QByteArray> lines; };

inline Run finished(QProcess &process)
{
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    const QByteArray out = process.readAllStandardOutput();
    return {ended ? process.exitCode() : -1, out, process.readAllStandardError(), out.split('\n').mid(0, out.count('\n'))};
}

inline Run runExporter(const QStringList &arguments)
{
    QProcess process;
    process.start(VANTREL_TELEMETRY_PATH, arguments);
    return finished(process);
}

// `document` in `format` as gpsbabel reads it, written out in `output`:
// empty if gpsbabel refuses it, null if gpsbabel is not installed.
inline QByteArray gpsbabel(const QByteArray &document, const QString &format, const QString &output)
{
    QProcess reader;
    reader.start("gpsbabel", {"-i", format, "-f", "-", "-o", output, "-F", "-"});
    if (!reader.waitForStarted())
        return QByteArray();
    reader.write(document);
    reader.closeWriteChannel();
    const bool read = reader.waitForFinished(30000) && reader.exitCode() == 0;
    return read ? reader.readAllStandardOutput() : QByteArray("");
}
