#pragma once

#include <QString>
#include <QStringList>

// The player's command line, checked and turned into values. Parsing never
// exits the process: main() decides what each action does.
class LaunchOptions
{
public:
    enum class Action { Run, Help, Version, Invalid };

    // `arguments` as the application object has them, the program first.
    static LaunchOptions fromArguments(const QStringList &arguments);

    Action action = Action::Invalid;
    // Recordings and folders, as given.
    QStringList files;
    // Open a window of its own even when one is already open.
    bool newWindow = false;
    QString error;  // why the arguments were refused (Action::Invalid)
    QString usage;  // the help text, for --help and for refusals
};
