#include "ExporterTestSupport.h"

#include "ParserFactory.h"

#include <QFile>
#include <QProcess>

namespace ExporterTestSupport {

QList<QByteArray> Run::lines() const
{
    QList<QByteArray> all = out.split('\n');
    if (!all.isEmpty() && all.last().isEmpty())
        all.removeLast();
    return all;
}

Run runExporter(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(VANTREL_TELEMETRY_PATH), arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QVector<GpsData> decodedSamples(const QString &path)
{
    const auto parser = createParser(path);
    QVector<GpsData> samples;
    GpsData data;
    for (quint32 second = 0; second + 1 < parser->records(); ++second) {
        if (parser->getGpsData(static_cast<int>(second), data))
            samples.append(data);
    }
    return samples;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace ExporterTestSupport
