/* Starts a program and reports how long it took until it had mapped a given number of
 * top-level windows, from X MapNotify events on the root window rather than by polling.
 * Usage: mapwait WINDOWS TIMEOUT-MS PROGRAM [ARGS...]
 * Prints "<milliseconds> <pid>" once the windows are mapped, then stays until the program
 * ends and exits with its status, so the caller can stop the program by its pid. The
 * program's own output goes to the error stream. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
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

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: mapwait WINDOWS TIMEOUT-MS PROGRAM [ARGS...]\n");
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
    printf("%.1f %d\n", now_ms() - start, (int)pid);
    fflush(stdout);
    XCloseDisplay(display);

    int status;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return exit_status(status);
}
