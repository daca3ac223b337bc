/* Times how long a program takes from its start to its first top-level
 * window appearing on the X server (the map request of a window that is not
 * override-redirect), then ends it. Runs it several times.
 *
 *   window_start_time <runs> <program> [arguments...]
 *
 * Prints one line per run in milliseconds, then the first (cold) run and the
 * median of the rest. */
#include "x_window_wait.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

/* -1 when no window appeared within the time limit. */
static double timeOneRun(xcb_connection_t *x, char **argv)
{
    discardEvents(x);
    pid_t child;
    const double start = nowMs();
    if (posix_spawn(&child, argv[0], NULL, NULL, argv, environ) != 0) {
        fprintf(stderr, "cannot start %s\n", argv[0]);
        return -1;
    }
    const double shown = waitForWindow(x, start) ? nowMs() - start : -1;
    /* A terminated web engine takes its helper processes with it. */
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    return shown;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s <runs> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = connectWatchingWindows();
    if (!x)
        return 1;

    const int runs = atoi(argv[1]);
    double *times = calloc(runs, sizeof *times);
    for (int i = 0; i < runs; ++i) {
        times[i] = timeOneRun(x, argv + 2);
        printf("run %d: %.0f ms\n", i + 1, times[i]);
        fflush(stdout);
        if (times[i] < 0)
            return 1;
    }
    printf("first run: %.0f ms\n", times[0]);
    if (runs > 1) {
        qsort(times + 1, runs - 1, sizeof *times, compareMs);
        printf("median of runs 2-%d: %.0f ms\n", runs, times[1 + (runs - 1) / 2]);
    }
    free(times);
    xcb_disconnect(x);
    return 0;
}
