#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file at `path` with `bytes`, all or nothing: they go into a new file beside it,
// onto the disk, and only then take its name, so a reader, another PC saving the same file, a
// full or failing disk or a share gone in the middle leave either the old file or the new one,
// whole. False when the new one did not take the name; the old one is then as it was. Like
// QSaveFile, it writes through a link to its target, keeps the old file's permissions and
// refuses to replace what it could not write to. On failure `why`, if given, gets the system's
// reason.
bool writeWhole(const QString& path, const QByteArray& bytes, QString* why = nullptr);

}  // namespace platform
