// Preloaded into the real marlo (LD_PRELOAD) to make chosen file system calls fail, as on a
// full disk or a failing drive. MARLO_FAULTS names a file of rules, read again whenever it
// changes, so one running marlo can meet one fault after another; one rule a line:
//
//     CALL ERRNO PATTERN [AFTER]
//
// CALL is write, sync (fsync and fdatasync), rename (rename and renameat2) or replace (a
// rename onto a name that a file already has, which some shares refuse); ERRNO a
// name such as ENOSPC, or a number; PATTERN a glob without spaces matched against the file's
// path (for a rename, either path as given); AFTER how many bytes of writes, or how many
// calls, go through first (0 when left out). A write that crosses AFTER is cut short there,
// as on a disk that has just filled up, and the next one fails. Every other call goes on as
// usual.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <limits.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

struct rule {
    char call[16];
    int error;
    char pattern[PATH_MAX];
    long long after;
};

enum { maxRules = 8 };
static struct rule rules[maxRules];
static int ruleCount;
// What the rules file was when it was last read, and how much each rule has let through.
static struct stat readAs;
static long long used[maxRules];
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;

static int errorNumber(const char* name) {
    static const struct {
        const char* name;
        int number;
    } known[] = {{"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EFBIG", EFBIG},   {"EIO", EIO},
                 {"EACCES", EACCES}, {"EPERM", EPERM},   {"EROFS", EROFS},   {"EXDEV", EXDEV},
                 {"EBUSY", EBUSY},   {"EEXIST", EEXIST}, {"ENOENT", ENOENT}, {"ESTALE", ESTALE}};
    for (size_t i = 0; i < sizeof known / sizeof known[0]; ++i)
        if (strcmp(name, known[i].name) == 0) return known[i].number;
    return atoi(name);
}

// Reads the rules again when their file has changed; the caller holds the lock.
static void reload(void) {
    const char* path = getenv("MARLO_FAULTS");
    struct stat now;
    if (path == NULL || stat(path, &now) != 0) {
        ruleCount = 0;
        return;
    }
    if (now.st_ino == readAs.st_ino && now.st_size == readAs.st_size &&
        now.st_mtim.tv_sec == readAs.st_mtim.tv_sec &&
        now.st_mtim.tv_nsec == readAs.st_mtim.tv_nsec)
        return;
    readAs = now;
    ruleCount = 0;
    FILE* file = fopen(path, "re");
    if (file == NULL) return;
    char line[PATH_MAX + 64];
    char error[16];
    while (ruleCount < maxRules && fgets(line, sizeof line, file) != NULL) {
        struct rule* r = &rules[ruleCount];
        r->after = 0;
        if (sscanf(line, "%15s %15s %4095s %lld", r->call, error, r->pattern, &r->after) < 3)
            continue;
        r->error = errorNumber(error);
        used[ruleCount++] = 0;
    }
    fclose(file);
}

// How much of `size` (bytes of a write, 1 for any other call) may go through: all of it, the
// part before the rule's limit, or -1 with errno set.
static long long allowed(const char* call, const char* path, const char* other, long long size) {
    long long result = size;
    int error = 0;
    pthread_mutex_lock(&lock);
    reload();
    for (int i = 0; i < ruleCount; ++i) {
        const struct rule* r = &rules[i];
        if (strcmp(r->call, call) != 0 || (fnmatch(r->pattern, path, 0) != 0 &&
                                           (other == NULL || fnmatch(r->pattern, other, 0) != 0)))
            continue;
        const long long room = r->after - used[i];
        if (room <= 0) {
            result = -1;
            error = r->error;
        } else if (size > room) {
            result = room;
        }
        if (result > 0) used[i] += result;
        break;
    }
    pthread_mutex_unlock(&lock);
    if (result < 0) errno = error;
    return result;
}

static long long allowedOnFile(const char* call, int fd, long long size) {
    char link[64];
    char path[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0) return size;
    path[length] = '\0';
    return allowed(call, path, NULL, size);
}

// The next definition of `name`, the one this library stands in front of.
static void* next(const char* name) {
    return dlsym(RTLD_NEXT, name);
}

ssize_t write(int fd, const void* buffer, size_t size) {
    ssize_t (*real)(int, const void*, size_t);
    *(void**)&real = next("write");
    const long long room = allowedOnFile("write", fd, (long long)size);
    if (room < 0) return -1;
    return real(fd, buffer, (size_t)room);
}

int fsync(int fd) {
    int (*real)(int);
    *(void**)&real = next("fsync");
    return allowedOnFile("sync", fd, 1) < 0 ? -1 : real(fd);
}

int fdatasync(int fd) {
    int (*real)(int);
    *(void**)&real = next("fdatasync");
    return allowedOnFile("sync", fd, 1) < 0 ? -1 : real(fd);
}

static int renameAllowed(const char* from, int toDir, const char* to) {
    struct stat there;
    if (allowed("rename", from, to, 1) < 0) return 0;
    return fstatat(toDir, to, &there, AT_SYMLINK_NOFOLLOW) != 0 ||
           allowed("replace", to, NULL, 1) >= 0;
}

int rename(const char* from, const char* to) {
    int (*real)(const char*, const char*);
    *(void**)&real = next("rename");
    return renameAllowed(from, AT_FDCWD, to) ? real(from, to) : -1;
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    int (*real)(int, const char*, int, const char*, unsigned);
    *(void**)&real = next("renameat2");
    return renameAllowed(from, toDir, to) ? real(fromDir, from, toDir, to, flags) : -1;
}
