/* Starts a program on the X display and reports how long after its start its first
 * window was mapped, and its peak memory at that moment; then ends it.
 *
 *   kerbu-bench-mapped PROGRAM [ARGUMENTS...]
 *
 * prints "mapped_ms <ms>" and "vmhwm_kb <kB>". It watches the root window for maps, so it
 * times any program alike, one it cannot change included: a window counts as the
 * program's when its _NET_WM_PID is the program's process. */
#define _POSIX_C_SOURCE 200809L
#include <xcb/xcb.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static long vmhwm_kb(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmHWM:", 6) == 0)
            kb = strtol(line + 6, NULL, 10);
    }
    fclose(status);
    return kb;
}

static xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t a = reply ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return a;
}

static long window_pid(xcb_connection_t* c, xcb_window_t w, xcb_atom_t net_wm_pid) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, net_wm_pid, XCB_ATOM_CARDINAL, 0, 1), NULL);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = (long)*(uint32_t*)xcb_get_property_value(reply);
    free(reply);
    return pid;
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        fprintf(stderr, "usage: kerbu-bench-mapped PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "kerbu-bench-mapped: no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t net_wm_pid = atom(c, "_NET_WM_PID");
    xcb_flush(c);

    const double started = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    xcb_generic_event_t* event;
    while ((event = xcb_wait_for_event(c))) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
            if (window_pid(c, map->window, net_wm_pid) == child) {
                const double mapped = now_ms() - started;
                printf("mapped_ms %.4f\nvmhwm_kb %ld\n", mapped, vmhwm_kb(child));
                status = 0;
                free(event);
                break;
            }
        }
        free(event);
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "kerbu-bench-mapped: %s ended before it mapped a window\n", argv[1]);
            xcb_disconnect(c);
            return 1;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(c);
    return status;
}
