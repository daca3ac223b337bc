// The `vantrel` command. It settles what needs no window with QtCore alone,
// which loads in a fraction of the time the window's libraries take: above
// all a start that hands its files to the window already open ends at once.
// Otherwise it becomes the player, which settles the same again (a window may
// have opened in between) and opens its window.
#include "EarlyStart.h"
#include "FileNameCodec.h"
#include "InstallLayout.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // File names are taken byte for byte, also those that are not UTF-8.
    FileNameCodec::install();
    QByteArray player;
    {
        QCoreApplication application(argc, argv);
        const LaunchOptions options = LaunchOptions::fromArguments(QCoreApplication::arguments());
        const int status = EarlyStart::settle(options, EarlyStart::oneWindow(options));
        if (status >= 0)
            return status;
        player = QFile::encodeName(InstallLayout::playerProgram(QCoreApplication::applicationDirPath()));
    }
    argv[0] = player.data();
    ::execv(player.constData(), argv);
    std::fprintf(stderr, "vantrel: cannot start %s: %s\n", player.constData(), std::strerror(errno));
    return 1;
}
