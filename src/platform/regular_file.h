#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace platform {

// The first `limit` bytes of a file and one more, so that a field ending right at the limit
// is seen to end there; `cut` when the file goes on beyond them.
struct FileStart {
    QByteArray bytes;
    bool cut = false;
    // When the file opened was last written.
    QDateTime modified;
};

// The start of a regular file; nothing for anything else. A pipe, a device or a socket could
// keep the read waiting for ever, so it is not even opened; the open itself cannot wait, and
// the file opened is checked again in case the name changed in between.
std::optional<FileStart> readRegularFile(const QString& path, qint64 limit);

}  // namespace platform
