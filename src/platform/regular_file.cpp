#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace platform {

std::optional<FileStart> readRegularFile(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 got = 0;
    bool failed = ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode);
    while (!failed && got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n == 0) break;
        if (n > 0) got += n;
        failed = n < 0 && errno != EINTR;
    }
    ::close(fd);
    if (failed) return std::nullopt;
    bytes.truncate(got);
    return FileStart{
        bytes, got > limit,
        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(info.st_mtim.tv_sec) * 1000 +
                                       info.st_mtim.tv_nsec / 1000000)};
}

}  // namespace platform
