#pragma once

#include <QString>

// Where the map pages live: the folder "maps" beside the executable, as in a
// build tree or an unpacked archive, or the program's data folder when it is
// installed under a prefix (<prefix>/bin/vantrel, <prefix>/share/vantrel/maps).
class MapPagesFolder
{
public:
    // The folder for the running executable.
    static QString path();
    // The first of the two places that exists; the folder beside the
    // executable when neither does, so that a missing page is looked for
    // (and reported) where a build puts it.
    static QString pathFor(const QString &applicationDir);
};
