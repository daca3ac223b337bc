#pragma once

#include <QString>

// How the program's files lie around its executable. Installed under a
// prefix, the read-only data is in <prefix>/share/vantrel beside
// <prefix>/bin; a build tree (or an unpacked archive) keeps the map pages in
// "maps" beside the executable instead.
class InstallLayout
{
public:
    // The data folder when the executable in `applicationDir` runs
    // installed; empty when it runs from a build tree.
    static QString dataFolder(const QString &applicationDir);
};
