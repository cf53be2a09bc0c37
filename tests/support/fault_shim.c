// Preloaded into marlo (LD_PRELOAD) to make file system calls fail as on a full disk or a
// failing drive. The file that MARLO_FAULTS names holds a rule a line, at most four, read again
// whenever it changes, so one running marlo can meet one fault after another:
//
//     CALL ERRNO PATTERN AFTER
//
// CALL is create (an open that may make the file, as on a read-only share), write, sync (fsync
// and fdatasync), rename, or replace (a rename onto a name that a file has, which some shares
// refuse); ERRNO a number; PATTERN a glob matched against the file's path (the old one for a
// rename, the one replaced for a replace); AFTER how many bytes of writes, or how many calls,
// go through first. A write crossing AFTER is cut short there, as on a disk that has just
// filled up, and the next one fails. The first rule that matches counts.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <limits.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

enum { maxRules = 4 };
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static char rules[maxRules * (PATH_MAX + 64)];
static long long passed[maxRules];  // bytes or calls each rule let through since it was read

// How much of `size` (bytes, 1 for a call) on `path` may go through: all of it, the part before
// the rule's limit, or minus the errno to fail with.
static long long allowed(const char* call, const char* path, long long size) {
    char now[sizeof rules] = "", name[16], pattern[PATH_MAX];
    int error;
    long long after;
    // openat, which this library leaves alone, so reading the rules meets no rule.
    const char* file = getenv("MARLO_FAULTS");
    const int fd = file ? openat(AT_FDCWD, file, O_RDONLY | O_CLOEXEC) : -1;
    const ssize_t got = fd < 0 ? 0 : read(fd, now, sizeof now - 1);
    if (fd >= 0) close(fd);
    now[got > 0 ? got : 0] = '\0';
    pthread_mutex_lock(&lock);
    if (strcmp(now, rules) != 0) {
        strcpy(rules, now);
        memset(passed, 0, sizeof passed);
    }
    const char* line = rules;
    for (int i = 0; i < maxRules && line != NULL; ++i, line = strchr(line, '\n')) {
        if (*line == '\n') ++line;
        if (sscanf(line, "%15s %d %4095s %lld", name, &error, pattern, &after) == 4 &&
            strcmp(name, call) == 0 && fnmatch(pattern, path, 0) == 0) {
            size = passed[i] >= after         ? -error
                   : after - passed[i] < size ? after - passed[i]
                                              : size;
            if (size > 0) passed[i] += size;
            break;
        }
    }
    pthread_mutex_unlock(&lock);
    return size;
}

static long long allowedOn(const char* call, int fd, long long size) {
    char link[32], path[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0) return size;
    path[length] = '\0';
    return allowed(call, path, size);
}

static int failWith(long long error) {
    errno = (int)-error;
    return -1;
}

// The definitions this library stands in front of.
#define NEXT(name) *(void**)&real = dlsym(RTLD_NEXT, name)

ssize_t write(int fd, const void* buffer, size_t size) {
    ssize_t (*real)(int, const void*, size_t);
    NEXT("write");
    const long long room = allowedOn("write", fd, (long long)size);
    return room < 0 ? failWith(room) : real(fd, buffer, (size_t)room);
}

int fsync(int fd) {
    int (*real)(int);
    NEXT("fsync");
    const long long room = allowedOn("sync", fd, 1);
    return room < 0 ? failWith(room) : real(fd);
}

int fdatasync(int fd) {
    int (*real)(int);
    NEXT("fdatasync");
    const long long room = allowedOn("sync", fd, 1);
    return room < 0 ? failWith(room) : real(fd);
}

int rename(const char* from, const char* to) {
    int (*real)(const char*, const char*);
    NEXT("rename");
    long long room = allowed("rename", from, 1);
    if (room > 0 && access(to, F_OK) == 0) room = allowed("replace", to, 1);
    return room < 0 ? failWith(room) : real(from, to);
}

static int openCreating(const char* name, const char* path, int flags, va_list more) {
    int (*real)(const char*, int, ...);
    NEXT(name);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(more, mode_t) : 0;
    const long long room = (flags & O_CREAT) ? allowed("create", path, 1) : 1;
    return room < 0 ? failWith(room) : real(path, flags, mode);
}

int open(const char* path, int flags, ...) {
    va_list more;
    va_start(more, flags);
    const int fd = openCreating("open", path, flags, more);
    va_end(more);
    return fd;
}

int open64(const char* path, int flags, ...) {
    va_list more;
    va_start(more, flags);
    const int fd = openCreating("open64", path, flags, more);
    va_end(more);
    return fd;
}
