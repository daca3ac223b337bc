/* Times how long a program takes from its start to its first top-level
 * window appearing on the X server (the map request of a window that is not
 * override-redirect), then ends it. Runs it several times.
 *
 *   window_start_time <runs> <program> [arguments...]
 *
 * Prints one line per run in milliseconds, then the first (cold) run and the
 * median of the rest. */
#include <xcb/xcb.h>

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>

extern char **environ;

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static int compare(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

/* -1 when no window appeared within the time limit. */
static double timeOneRun(xcb_connection_t *x, char **argv)
{
    xcb_generic_event_t *stale;
    while ((stale = xcb_poll_for_event(x)))
        free(stale);

    pid_t child;
    const double start = nowMs();
    if (posix_spawn(&child, argv[0], NULL, NULL, argv, environ) != 0) {
        fprintf(stderr, "cannot start %s\n", argv[0]);
        return -1;
    }
    double shown = -1;
    while (shown < 0 && nowMs() - start < 60000) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            struct timespec pause = {0, 200000};
            nanosleep(&pause, NULL);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY
            && !((xcb_map_notify_event_t *)event)->override_redirect)
            shown = nowMs() - start;
        free(event);
    }
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
    /* One connection for all runs: an X server resets when its last client
     * leaves, and refuses connections while it does. */
    xcb_connection_t *x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "no X server\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

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
        qsort(times + 1, runs - 1, sizeof *times, compare);
        printf("median of runs 2-%d: %.0f ms\n", runs, times[1 + (runs - 1) / 2]);
    }
    free(times);
    xcb_disconnect(x);
    return 0;
}
