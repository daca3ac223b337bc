#include "ApplicationIdentity.h"
#include "CommandLineFiles.h"
#include "Configuration.h"
#include "FileNameCodec.h"
#include "ImageResources.h"
#include "InstanceChannel.h"
#include "KeepAwake.h"
#include "LaunchOptions.h"
#include "MainWindows.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// What the command line settles before the window system is reached, so
// that it works without a display and a second start ends soon: help, the
// version, a refusal, or files handed to the window already open. -1 when
// this process is to open a window.
int settleEarly(const LaunchOptions &options, bool oneWindow)
{
    switch (options.action) {
    case LaunchOptions::Action::Help:
        print(stdout, options.usage);
        return 0;
    case LaunchOptions::Action::Version:
        print(stdout, QStringLiteral("vantrel %1\n").arg(ApplicationIdentity::version()));
        return 0;
    case LaunchOptions::Action::Invalid:
        print(stderr, QStringLiteral("vantrel: %1\n\n%2").arg(options.error, options.usage));
        return 2;
    case LaunchOptions::Action::Run:
        break;
    }
    if (oneWindow && InstanceChannel(InstanceChannel::defaultName()).handOver(QDir::currentPath(), options.files))
        return 0;
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    // File names are taken byte for byte, also those that are not UTF-8;
    // set before the application object reads the arguments.
    FileNameCodec::install();
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true);
    // The map's web engine shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    LaunchOptions options;
    bool oneWindow = true;
    {
        QCoreApplication early(argc, argv);
        options = LaunchOptions::fromArguments(QCoreApplication::arguments());
        oneWindow = !options.newWindow && options.action == LaunchOptions::Action::Run
                    && !Configuration::instance()->severalWindows();
        const int status = settleEarly(options, oneWindow);
        if (status >= 0)
            return status;
    }
#ifdef Q_OS_WIN
    KeepAwake::request();
#endif
    QApplication application(argc, argv);
#ifndef Q_OS_WIN
    // The desktop's inhibitor is reached over D-Bus, which needs the
    // application object.
    KeepAwake::request();
#endif
    // Later starts find this one from now on; what they send waits for the
    // event loop, by which time the window exists.
    InstanceChannel channel(InstanceChannel::defaultName());
    if (oneWindow)
        channel.listen();

    ImageResources::initialise();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":image/logo.png")));
    QFont font(QStringLiteral("Calibri"));
    font.setPointSize(11);
    QApplication::setFont(font);
    // Read by the window title and the header.
    ApplicationIdentity::apply(QObject::tr("Fenmora"));

    // Installs the stored or locale-derived translation before any text is built.
    Configuration *configuration = Configuration::instance();
    configuration->setLanguage(configuration->language());

    MainWindows window;
    window.show();
    // Recordings a desktop hands over ("Open with", a file manager's double
    // click) play at once, at launch or from a later start.
    window.openLaunchFiles(CommandLineFiles::videoUrls(options.files, QDir::currentPath()));
    window.reportMissingFiles(CommandLineFiles::missingFiles(options.files, QDir::currentPath()));
    QObject::connect(&channel, &InstanceChannel::received, &window,
                     [&window](const QString &workingDir, const QStringList &arguments) {
                         window.openHandedOverFiles(CommandLineFiles::videoUrls(arguments, workingDir));
                         window.reportMissingFiles(CommandLineFiles::missingFiles(arguments, workingDir));
                     });
    return application.exec();
}
