/* Starts a program and reports how long it took until it had mapped a given number of
 * top-level windows, from X MapNotify events on the root window rather than by polling.
 * Usage: mapwait [-c X,Y,RRGGBB] WINDOWS TIMEOUT-MS PROGRAM [ARGS...]
 * Prints "<milliseconds> <pid>" once the windows are mapped, then stays until the program
 * ends and exits with its status, so the caller can stop the program by its pid. The
 * program's own output goes to the error stream. With -c it goes on to poll the screen's
 * pixel at X,Y, about every 2 ms, until it is within 48 of the colour in each component,
 * and prints "<milliseconds> <pid> <milliseconds until that pixel>". */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <errno.h>
#include <poll.h>
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
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Windows are told apart by the pid Qt records on them, so another program's windows on the
 * same screen do not count. */
static long window_pid(Display* display, Window window) {
    static Atom pid_atom = None;
    if (pid_atom == None) pid_atom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long pid = -1;
    if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = (long)*(unsigned long*)data;
    if (data) XFree(data);
    return pid;
}

static int ignore_errors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

static int exit_status(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) return 0;
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

/* Polls the pixel until it has the colour; the time since start, or -1 after the timeout. */
static double wait_for_colour(Display* display, int x, int y, unsigned colour, double start,
                              double timeout) {
    const Window root = DefaultRootWindow(display);
    while (now_ms() - start < timeout) {
        XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
        if (image) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            int near = 1;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int got = (int)((pixel >> shift) & 0xff),
                          want = (int)((colour >> shift) & 0xff);
                near &= abs(got - want) <= 48;
            }
            if (near) return now_ms() - start;
        }
        usleep(2000);
    }
    return -1;
}

int main(int argc, char** argv) {
    int pixel_x = -1, pixel_y = -1;
    unsigned colour = 0;
    if (argc > 2 && strcmp(argv[1], "-c") == 0) {
        if (sscanf(argv[2], "%d,%d,%x", &pixel_x, &pixel_y, &colour) != 3) {
            fprintf(stderr, "mapwait: -c wants X,Y,RRGGBB\n");
            return 2;
        }
        argc -= 2;
        argv += 2;
    }
    if (argc < 4) {
        fprintf(stderr, "usage: mapwait [-c X,Y,RRGGBB] WINDOWS TIMEOUT-MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int wanted = atoi(argv[1]);
    const double timeout = atof(argv[2]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "mapwait: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        /* Our output is the measurement alone; the program's goes to our error stream. */
        close(ConnectionNumber(display));
        dup2(2, 1);
        execvp(argv[3], argv + 3);
        perror("mapwait: exec");
        _exit(127);
    }

    Window seen[64];
    int mapped = 0;
    while (mapped < wanted) {
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "mapwait: %s ended (status %d) after mapping %d of %d windows\n",
                    argv[3], exit_status(status), mapped, wanted);
            return 1;
        }
        if (now_ms() - start > timeout) {
            fprintf(stderr, "mapwait: %d of %d windows after %.0f ms\n", mapped, wanted, timeout);
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return 1;
        }
        if (!XPending(display)) {
            struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect) continue;
        const Window window = event.xmap.window;
        if (window_pid(display, window) != pid) continue;
        int known = 0;
        for (int i = 0; i < mapped; ++i) known |= seen[i] == window;
        if (!known && mapped < 64) seen[mapped++] = window;
    }
    const double mapped_ms = now_ms() - start;
    if (pixel_x >= 0)
        printf("%.1f %d %.1f\n", mapped_ms, (int)pid,
               wait_for_colour(display, pixel_x, pixel_y, colour, start, timeout));
    else
        printf("%.1f %d\n", mapped_ms, (int)pid);
    fflush(stdout);
    XCloseDisplay(display);

    int status;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return exit_status(status);
}
