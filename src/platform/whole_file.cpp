#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

// A name beside `path` that is most likely free: as long as QSaveFile's, so a name that fitted
// then fits now.
QByteArray beside(const QByteArray& path, const char* what = "") {
    constexpr quint32 sixDigits = 36u * 36 * 36 * 36 * 36 * 36;
    const quint32 random = QRandomGenerator::global()->bounded(sixDigits);
    return path + '.' + what + QByteArray::number(random, 36).rightJustified(6, '0');
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        // A disk that takes nothing more is full, whatever it did not say.
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// How SMB mounts without POSIX extensions, among other shares, refuse a rename onto an
// existing file that they would make onto a free name.
bool refusedOverwrite(int error) {
    return error == EEXIST || error == EPERM || error == EACCES || error == EBUSY ||
           error == ETXTBSY || error == EOPNOTSUPP;
}

// Where the share will not rename over the old file, it steps aside under a name of its own
// and goes only once the new one has the name; when the new one cannot take it, the old one
// goes back. At no moment is the old file's content anywhere but in a whole file.
bool renameOver(const QByteArray& from, const QByteArray& to) {
    if (::rename(from.constData(), to.constData()) == 0) return true;
    if (!refusedOverwrite(errno)) return false;
    const QByteArray aside = beside(to, "old-");
    if (::rename(to.constData(), aside.constData()) != 0) return false;
    if (::rename(from.constData(), to.constData()) == 0) {
        ::unlink(aside.constData());
        return true;
    }
    const int error = errno;
    // Another PC's save may have taken the free name meanwhile: its whole file stands, and the
    // old one is of no more use. Otherwise the old file stays aside rather than be lost.
    if (::rename(aside.constData(), to.constData()) != 0 && ::access(to.constData(), F_OK) == 0)
        ::unlink(aside.constData());
    errno = error;
    return false;
}

}  // namespace

bool writeWhole(const QString& path, const QByteArray& bytes, QString* why) {
    // errno as the first failure left it, for the person told.
    auto failed = [why](int error) {
        if (why) *why = QString::fromLocal8Bit(std::strerror(error));
        return false;
    };
    QFileInfo named(path);
    for (int depth = 0; named.isSymLink() && depth < 128; ++depth)
        named.setFile(named.symLinkTarget());
    const QByteArray target = QFile::encodeName(named.filePath());
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return failed(EISDIR);
    if (replacing && ::access(target.constData(), W_OK) != 0) return failed(errno);
    QByteArray temporary;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 16; ++tries) {
        temporary = beside(target);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failed(errno);
    }
    if (fd < 0) return failed(EEXIST);
    // A share may keep no modes of its own; the file is written all the same.
    if (replacing) (void)::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    int error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && !closed) error = errno;
    if (written && closed && renameOver(temporary, target)) return true;
    if (written && closed) error = errno;
    ::unlink(temporary.constData());
    return failed(error);
}

}  // namespace platform
