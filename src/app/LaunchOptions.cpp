#include "LaunchOptions.h"

#include <QCommandLineParser>

LaunchOptions LaunchOptions::fromArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays dashboard camera recordings and shows the telemetry stored in them."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption newWindow(QStringLiteral("new-window"),
        QStringLiteral("Open a window of its own instead of handing the files to the open one."));
    parser.addOption(newWindow);
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QStringLiteral("Recordings (.mp4, .mov, .avi) or folders of recordings to open."),
        QStringLiteral("[FILE|FOLDER...]"));

    LaunchOptions options;
    options.usage = parser.helpText();
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        options.action = Action::Help;
    else if (parser.isSet(version))
        options.action = Action::Version;
    else
        options.action = Action::Run;
    options.files = parser.positionalArguments();
    options.newWindow = parser.isSet(newWindow);
    return options;
}
