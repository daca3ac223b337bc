#include "LowPriorityProcess.h"

#include <unistd.h>

void LowPriorityProcess::setupChildProcess()
{
    // In the child between fork and exec: a plain system call, nothing that
    // allocates. Ten steps below the program, whatever its own level; a
    // failure leaves it where it was, which is harmless.
    const int level = nice(10);
    Q_UNUSED(level)
}
