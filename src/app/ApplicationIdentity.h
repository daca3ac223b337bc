#pragma once

#include <QString>

// The names the rest of the system reads from the application object: the
// title doubles as window title, header text and the last folder of the
// default screenshot folder.
class ApplicationIdentity
{
public:
    static QString title();
    static QString version();
    // Sets the application name to the title, the organisation name (the
    // caller translates it) and the version.
    static void apply(const QString &organisation);
};
