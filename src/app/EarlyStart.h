#pragma once

#include "LaunchOptions.h"

// What a start settles before any window library is needed, so that it works
// without a display and a start that only hands files over ends soon: help,
// the version, a refusal, or files handed to the window already open.
class EarlyStart
{
public:
    // Whether this start is to hand its files to a window already open
    // (neither --new-window nor the setting for several windows).
    static bool oneWindow(const LaunchOptions &options);
    // The exit status when the start is settled; -1 when a window is to open.
    static int settle(const LaunchOptions &options, bool oneWindow);
};
