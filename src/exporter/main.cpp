#include "CheckedOutput.h"
#include "ExportOptions.h"
#include "FileNameCodec.h"
#include "TelemetryExporter.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <unistd.h>

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
    return TelemetryExporter::BadUsage;
}

int writeText(QIODevice &output, const QString &text)
{
    CheckedOutput checked(output);
    checked.write(text.toLocal8Bit());
    if (checked.finish())
        return TelemetryExporter::Success;
    QFile errors;
    errors.open(stderr, QIODevice::WriteOnly);
    errors.write(("vantrel-telemetry: cannot write the output: " + checked.failure() + "\n").toLocal8Bit());
    return TelemetryExporter::OutputLost;
}

} // namespace

int main(int argc, char *argv[])
{
    // File names are taken byte for byte, also those that are not UTF-8.
    FileNameCodec::install();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrel-telemetry"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    const ExportOptions options = ExportOptions::fromArguments(QCoreApplication::arguments());
    if (options.action == ExportOptions::Action::Invalid)
        return usageError(options);
    if (!options.verbose)
        defaultHandler = qInstallMessageHandler(quietHandler);

    // On the descriptor rather than the C stream, so that a failed write
    // shows in the file's error state instead of in a stdio buffer.
    QFile output;
    output.open(STDOUT_FILENO, QIODevice::WriteOnly);
    if (options.action == ExportOptions::Action::Help)
        return writeText(output, options.usage);
    if (options.action == ExportOptions::Action::Version)
        return writeText(output, QStringLiteral("vantrel-telemetry %1\n").arg(VANTREL_VERSION));
    QFile errors;
    errors.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return TelemetryExporter(options, output, errors).run();
}
