#pragma once

#include <QString>

namespace platform {

// The longest name of one file or folder that Linux file systems take, in bytes.
inline constexpr qsizetype longestNameBytes = 255;

// `name` made into the name of one visible file or folder, never a path: separators and
// control characters become "_", spaces at both ends go and then leading dots, and it is cut
// at a character's end to fit `maxBytes` bytes as the file system stores it. Empty when
// nothing is left.
QString plainName(const QString& name, qsizetype maxBytes = longestNameBytes);

// True when `name` is already such a name.
bool isPlainName(const QString& name);

// `path` ending in `extension`: added unless it is there already, in any case, so "Mr. Smith"
// gets it as well as "robots".
QString withExtension(const QString& path, const QString& extension);

}  // namespace platform
