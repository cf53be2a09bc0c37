#pragma once

#include <QString>
#include <optional>

// The tree of program files: one directory per writer under the programs directory.
namespace files {

// brindle/marlo/programs in the user's home on Linux and macOS (HOME, else the password
// database's), c:\brindle\marlo\programs on Windows. Nothing when the user has no home.
// The school's folder instead when it sets one.
std::optional<QString> programsDirectory();

// The directory of the current writer (`author`, without spaces at either end). A name that is
// no plain folder name (empty, dots first, a separator or a control character in it) gives
// the programs directory, so nothing outside the programs tree is ever made or opened, typed
// or read from a file alike. Empty when the user has no home: nothing may be written then,
// and a dialogue given it opens wherever the platform chooses.
QString writerDirectory();

// Makes sure the tree exists down to the writer's directory, one level at a time; makes
// nothing when the user has no home.
void makedirs();

// True when the school's programs folder is not there, as a share that is not mounted.
bool programsDirectoryMissing();

// Creates the one directory named by path; every failure is ignored.
void makedir(const QString& path);

}  // namespace files
