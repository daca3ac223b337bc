#include "ExportOptions.h"
#include "TelemetryExporter.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The parser logs every file it opens; that chatter is only wanted with
// --verbose, and then on stderr (Qt's default), never mixed into stdout.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        defaultHandler(type, context, message);
}

int usageError(const ExportOptions &options)
{
    QFile errors;
    errors.open(stderr, QIODevice::WriteOnly);
    errors.write(("vantrel-telemetry: " + options.error + "\n\n" + options.usage).toLocal8Bit());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrel-telemetry"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    const ExportOptions options = ExportOptions::fromArguments(QCoreApplication::arguments());
    if (options.action == ExportOptions::Action::Invalid)
        return usageError(options);
    if (!options.verbose)
        defaultHandler = qInstallMessageHandler(quietHandler);

    QFile output;
    output.open(stdout, QIODevice::WriteOnly);
    if (options.action == ExportOptions::Action::Help) {
        output.write(options.usage.toLocal8Bit());
        return 0;
    }
    if (options.action == ExportOptions::Action::Version) {
        output.write(QStringLiteral("vantrel-telemetry %1\n").arg(VANTREL_VERSION).toLocal8Bit());
        return 0;
    }
    QFile errors;
    errors.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return TelemetryExporter(options, output, errors).run();
}
