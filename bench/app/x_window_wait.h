/* What the window benchmarks share: a clock, one X connection that watches
 * every top-level window, and the wait for a program's first one. */
#pragma once

#include <xcb/xcb.h>

#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static inline double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static inline void pause200us(void)
{
    struct timespec pause = {0, 200000};
    nanosleep(&pause, NULL);
}

static inline int compareMs(const void *a, const void *b)
{
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

/* One connection for all runs (an X server resets when its last client
 * leaves, and refuses connections while it does), told of every window
 * mapped or unmapped at the top level. NULL without an X server. */
static inline xcb_connection_t *connectWatchingWindows(void)
{
    xcb_connection_t *x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "no X server\n");
        return NULL;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    return x;
}

static inline void discardEvents(xcb_connection_t *x)
{
    xcb_generic_event_t *stale;
    while ((stale = xcb_poll_for_event(x)))
        free(stale);
}

/* The first window mapped at the top level (not override-redirect) within a
 * minute of `start`, or 0. */
static inline xcb_window_t waitForWindow(xcb_connection_t *x, double start)
{
    while (nowMs() - start < 60000) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            pause200us();
            continue;
        }
        xcb_window_t shown = 0;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !((xcb_map_notify_event_t *)event)->override_redirect)
            shown = ((xcb_map_notify_event_t *)event)->window;
        free(event);
        if (shown)
            return shown;
    }
    return 0;
}
