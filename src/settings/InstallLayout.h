#pragma once

#include <QString>

// How the program's files lie around its executables. Installed under a
// prefix, the command is <prefix>/bin/vantrel, the player it starts
// <prefix>/lib/vantrel/vantrel-player, and the read-only data is in
// <prefix>/share/vantrel; a build tree (or an unpacked archive) keeps the
// player and the map pages ("maps") beside the command instead.
class InstallLayout
{
public:
    // The data folder when the executable in `applicationDir` (either of
    // the two) runs installed; empty when it runs from a build tree.
    static QString dataFolder(const QString &applicationDir);
    // The player the command in `applicationDir` starts.
    static QString playerProgram(const QString &applicationDir);
};
