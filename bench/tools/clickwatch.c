/* Clicks at a point of the screen through XTest and, given a region, polls its pixels about
 * every millisecond until they have changed a given number of times.
 * Usage: clickwatch [-r X,Y,W,H] [-n CHANGES] [-t TIMEOUT-MS] [-p PID] X Y
 * With a region it prints "<ms to the last change> <CPU ms of PID meanwhile> <ms of each
 * change, comma-separated>", times counted from the button press. Without one it only clicks. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* CPU time of every thread of a process, in nanoseconds: a short wait of a run is a few
 * clock ticks long, too short for the tick counts of /proc/<pid>/stat. */
static double cpu_ms(int pid) {
    if (pid <= 0) return 0;
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", pid);
    DIR* tasks = opendir(path);
    if (!tasks) return -1;
    double total = 0;
    struct dirent* task;
    while ((task = readdir(tasks))) {
        if (task->d_name[0] == '.') continue;
        char file[320];
        snprintf(file, sizeof file, "/proc/%d/task/%s/schedstat", pid, task->d_name);
        FILE* f = fopen(file, "r");
        unsigned long long ns = 0;
        if (f) {
            if (fscanf(f, "%llu", &ns) != 1) ns = 0;
            fclose(f);
        }
        total += ns / 1e6;
    }
    closedir(tasks);
    return total;
}

static void pause_ms(double ms) {
    struct timespec t = {(time_t)(ms / 1e3), (long)((ms - (time_t)(ms / 1e3) * 1e3) * 1e6)};
    nanosleep(&t, NULL);
}

int main(int argc, char** argv) {
    int rx = 0, ry = 0, rw = 0, rh = 0, changes = 1, pid = 0, opt;
    double timeout = 20000;
    while ((opt = getopt(argc, argv, "r:n:t:p:")) != -1) {
        if (opt == 'r' && sscanf(optarg, "%d,%d,%d,%d", &rx, &ry, &rw, &rh) == 4) continue;
        if (opt == 'n')
            changes = atoi(optarg);
        else if (opt == 't')
            timeout = atof(optarg);
        else if (opt == 'p')
            pid = atoi(optarg);
        else {
            fprintf(stderr, "usage: clickwatch [-r X,Y,W,H] [-n CHANGES] [-t MS] [-p PID] X Y\n");
            return 2;
        }
    }
    if (argc - optind != 2) {
        fprintf(stderr, "usage: clickwatch [-r X,Y,W,H] [-n CHANGES] [-t MS] [-p PID] X Y\n");
        return 2;
    }
    const int x = atoi(argv[optind]), y = atoi(argv[optind + 1]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "clickwatch: cannot open display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const int screen = DefaultScreen(display);

    /* The pointer arrives first, so whatever it lights up on its way is painted before the
     * region is taken as it stands. */
    XTestFakeMotionEvent(display, screen, x, y, CurrentTime);
    XSync(display, False);
    if (rw <= 0 || rh <= 0) {
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);
        XCloseDisplay(display);
        return 0;
    }
    pause_ms(50);

    /* Shared memory spares the X server a copy through the socket at every poll. */
    XShmSegmentInfo shm;
    XImage* image = XShmCreateImage(display, DefaultVisual(display, screen),
                                    DefaultDepth(display, screen), ZPixmap, NULL, &shm, rw, rh);
    if (!image) {
        fprintf(stderr, "clickwatch: no shared-memory images on this display\n");
        return 2;
    }
    const size_t size = (size_t)image->bytes_per_line * image->height;
    shm.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    shm.shmaddr = image->data = shmat(shm.shmid, NULL, 0);
    shm.readOnly = False;
    XShmAttach(display, &shm);
    shmctl(shm.shmid, IPC_RMID, NULL);
    char* previous = malloc(size);
    XShmGetImage(display, root, image, rx, ry, AllPlanes);
    memcpy(previous, image->data, size);

    const double cpu_start = cpu_ms(pid);
    const double start = now_ms();
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);

    double when[64];
    int seen = 0;
    while (seen < changes && seen < 64) {
        const double t = now_ms() - start;
        if (t > timeout) break;
        XShmGetImage(display, root, image, rx, ry, AllPlanes);
        if (memcmp(previous, image->data, size) != 0) {
            when[seen++] = t;
            memcpy(previous, image->data, size);
        }
        pause_ms(1);
    }
    const double cpu_end = cpu_ms(pid);
    XShmDetach(display, &shm);
    shmdt(shm.shmaddr);
    XCloseDisplay(display);
    if (seen < changes) {
        fprintf(stderr, "clickwatch: %d of %d changes within %.0f ms\n", seen, changes, timeout);
        return 1;
    }
    printf("%.1f %.1f ", when[seen - 1], cpu_end - cpu_start);
    for (int i = 0; i < seen; ++i) printf(i ? ",%.1f" : "%.1f", when[i]);
    printf("\n");
    return 0;
}
