#include "ApplicationIdentity.h"
#include "CommandLineFiles.h"
#include "Configuration.h"
#include "FileNameCodec.h"
#include "ImageResources.h"
#include "KeepAwake.h"
#include "MainWindows.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    KeepAwake::request();
#endif
    // File names are taken byte for byte, also those that are not UTF-8;
    // set before the application object reads the arguments.
    FileNameCodec::install();
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true);
    // The map's web engine shares OpenGL contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QApplication application(argc, argv);
#ifndef Q_OS_WIN
    // The desktop's inhibitor is reached over D-Bus, which needs the
    // application object.
    KeepAwake::request();
#endif

    ImageResources::initialise();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":image/logo.png")));
    QFont font(QStringLiteral("Calibri"));
    font.setPointSize(11);
    QApplication::setFont(font);
    // Read by the window title and the default screenshot folder.
    ApplicationIdentity::apply(QObject::tr("Fenmora"));

    // Installs the stored or locale-derived translation before any text is built.
    Configuration *configuration = Configuration::instance();
    configuration->setLanguage(configuration->language());

    MainWindows window;
    window.show();
    // Recordings a desktop hands over ("Open with", a file manager's double
    // click) play at once.
    window.openLaunchFiles(CommandLineFiles::videoUrls(QApplication::arguments(), QDir::currentPath()));
    return application.exec();
}
