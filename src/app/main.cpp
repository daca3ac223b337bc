#include "ApplicationIdentity.h"
#include "CommandLineFiles.h"
#include "Configuration.h"
#include "EarlyStart.h"
#include "FileNameCodec.h"
#include "ImageResources.h"
#include "InstanceChannel.h"
#include "KeepAwake.h"
#include "MainWindows.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

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
        oneWindow = EarlyStart::oneWindow(options);
        const int status = EarlyStart::settle(options, oneWindow);
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
    const bool reachable = !oneWindow || channel.listen();

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
    if (!reachable)
        window.reportProblem(MainWindows::tr("Files opened from elsewhere will start another window: %1").arg(channel.errorString()));
    QObject::connect(&channel, &InstanceChannel::received, &window,
                     [&window](const QString &workingDir, const QStringList &arguments) {
                         window.openHandedOverFiles(CommandLineFiles::videoUrls(arguments, workingDir));
                         window.reportMissingFiles(CommandLineFiles::missingFiles(arguments, workingDir));
                     });
    return application.exec();
}
