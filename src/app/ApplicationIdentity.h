#pragma once

#include <QString>

// The names the rest of the system reads from the application object: the
// title doubles as window title and header text. All of it follows the
// version and release date set in CMake.
class ApplicationIdentity
{
public:
    static QString title();
    static QString version();
    // The desktop entry's and metainfo's name without ".desktop".
    static QString desktopId();
    // Sets the application name to the title, the organisation name (the
    // caller translates it), the version and the desktop entry's name.
    static void apply(const QString &organisation);
};
