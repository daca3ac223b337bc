#include "ApplicationIdentity.h"
#include "CommandLineFiles.h"
#include "Configuration.h"
#include "ImageResources.h"
#include "KeepAwake.h"
#include "MainWindows.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QTextCodec>

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    KeepAwake::request();
#endif
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
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
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
