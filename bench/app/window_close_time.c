/* Times how long a program's window takes to leave the screen, and the
 * program to end, after a close request like a window manager's (the
 * WM_DELETE_WINDOW message). Starts the program, waits for its first
 * top-level window, lets it run for a while, asks it to close. Runs it
 * several times.
 *
 *   window_close_time <runs> <seconds shown> <program> [arguments...]
 *
 * Prints one line per run in milliseconds and the medians. */
#include <xcb/xcb.h>

#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>

extern char **environ;

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static void pause200us(void)
{
    struct timespec pause = {0, 200000};
    nanosleep(&pause, NULL);
}

static int compare(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, (uint16_t)strlen(name), name), NULL);
    const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return value;
}

/* The first window of the program mapped at the top level, or 0. */
static xcb_window_t waitForWindow(xcb_connection_t *x, double start)
{
    while (nowMs() - start < 60000) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            pause200us();
            continue;
        }
        xcb_window_t shown = 0;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY
            && !((xcb_map_notify_event_t *)event)->override_redirect)
            shown = ((xcb_map_notify_event_t *)event)->window;
        free(event);
        if (shown)
            return shown;
    }
    return 0;
}

static void requestClose(xcb_connection_t *x, xcb_window_t window)
{
    xcb_client_message_event_t message;
    memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(x, "WM_PROTOCOLS");
    message.data.data32[0] = atom(x, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char *)&message);
    xcb_flush(x);
}

/* Fills hidden and ended (ms after the request); false when the program
 * could not be started or showed no window. */
static int timeOneRun(xcb_connection_t *x, char **argv, int shownSeconds, double *hidden, double *ended)
{
    xcb_generic_event_t *stale;
    while ((stale = xcb_poll_for_event(x)))
        free(stale);

    pid_t child;
    if (posix_spawn(&child, argv[0], NULL, NULL, argv, environ) != 0) {
        fprintf(stderr, "cannot start %s\n", argv[0]);
        return 0;
    }
    const xcb_window_t window = waitForWindow(x, nowMs());
    if (!window) {
        kill(child, SIGTERM);
        waitpid(child, NULL, 0);
        return 0;
    }
    const struct timespec shown = {shownSeconds, 0};
    nanosleep(&shown, NULL);
    while ((stale = xcb_poll_for_event(x)))
        free(stale);

    const double start = nowMs();
    requestClose(x, window);
    *hidden = *ended = -1;
    while (*ended < 0 && nowMs() - start < 60000) {
        int status;
        if (waitpid(child, &status, WNOHANG) == child)
            *ended = nowMs() - start;
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            pause200us();
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (*hidden < 0 && ((type == XCB_UNMAP_NOTIFY && ((xcb_unmap_notify_event_t *)event)->window == window)
                            || (type == XCB_DESTROY_NOTIFY && ((xcb_destroy_notify_event_t *)event)->window == window)))
            *hidden = nowMs() - start;
        free(event);
    }
    if (*ended < 0) {
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
    }
    return 1;
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: %s <runs> <seconds shown> <program> [arguments...]\n", argv[0]);
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
    const int shownSeconds = atoi(argv[2]);
    double *hidden = calloc(runs, sizeof *hidden);
    double *ended = calloc(runs, sizeof *ended);
    for (int i = 0; i < runs; ++i) {
        if (!timeOneRun(x, argv + 3, shownSeconds, &hidden[i], &ended[i]))
            return 1;
        printf("run %d: hidden after %.0f ms, ended after %.0f ms\n", i + 1, hidden[i], ended[i]);
        fflush(stdout);
    }
    qsort(hidden, runs, sizeof *hidden, compare);
    qsort(ended, runs, sizeof *ended, compare);
    printf("median: hidden after %.0f ms, ended after %.0f ms\n", hidden[runs / 2], ended[runs / 2]);
    free(hidden);
    free(ended);
    xcb_disconnect(x);
    return 0;
}
