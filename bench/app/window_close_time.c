/* Times how long a program's window takes to leave the screen, and the
 * program to end, after a close request like a window manager's (the
 * WM_DELETE_WINDOW message). Starts the program, waits for its first
 * top-level window, lets it run for a while, asks it to close. Runs it
 * several times.
 *
 *   window_close_time <runs> <seconds shown> <program> [arguments...]
 *
 * Prints one line per run in milliseconds and the medians. */
#include "x_window_wait.h"

#include <signal.h>
#include <spawn.h>
#include <string.h>
#include <sys/wait.h>

extern char **environ;

static xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, (uint16_t)strlen(name), name), NULL);
    const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return value;
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
    discardEvents(x);
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
    discardEvents(x);

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
    xcb_connection_t *x = connectWatchingWindows();
    if (!x)
        return 1;

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
    qsort(hidden, runs, sizeof *hidden, compareMs);
    qsort(ended, runs, sizeof *ended, compareMs);
    printf("median: hidden after %.0f ms, ended after %.0f ms\n", hidden[runs / 2], ended[runs / 2]);
    free(hidden);
    free(ended);
    xcb_disconnect(x);
    return 0;
}
