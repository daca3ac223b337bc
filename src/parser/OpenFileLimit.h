#pragma once

// Every parse worker keeps its file open, and a whole memory card can be one
// playlist. Raises this process's soft limit on open files to the hard limit,
// once; does nothing where there is no such limit.
void raiseOpenFileLimit();
