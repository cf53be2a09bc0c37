// Runs a command, such as an xdotool press, and prints the milliseconds from its start until a
// region of the X screen changes: how long a program takes to answer the press. Fails when
// nothing has changed within the timeout.
// Usage: time_to_change WIDTHxHEIGHT+X+Y TIMEOUT_MS COMMAND [ARGUMENT...]
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long milliseconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

int main(int argc, char** argv) {
    unsigned width, height;
    int x, y;
    if (argc < 4 || sscanf(argv[1], "%ux%u+%d+%d", &width, &height, &x, &y) != 4) return 2;
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fputs("cannot open display\n", stderr);
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XImage* before = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
    const long long start = milliseconds(), timeout = atoll(argv[2]);
    if (fork() == 0) _exit(execvp(argv[3], argv + 3));
    long long elapsed = 0;
    int changed = 0;
    while (!changed && elapsed <= timeout) {
        usleep(1000);
        XImage* now = XGetImage(display, root, x, y, width, height, AllPlanes, ZPixmap);
        changed = memcmp(now->data, before->data, (size_t)now->bytes_per_line * height) != 0;
        XDestroyImage(now);
        elapsed = milliseconds() - start;
    }
    wait(NULL);
    if (!changed) {
        fprintf(stderr, "nothing changed within %lld ms\n", timeout);
        return 1;
    }
    printf("%lld\n", elapsed);
    return 0;
}
