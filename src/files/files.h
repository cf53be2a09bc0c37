#pragma once

#include <QString>

// The tree of program files: one directory per writer under the programs directory.
namespace files {

// $HOME/brindle/marlo/programs on Linux and macOS, c:\brindle\marlo\programs on Windows.
QString programsDirectory();

// The directory of the current writer (`author`, without spaces at either end). A name that is
// no plain folder name (empty, dots first, a separator or a control character in it) gives
// the programs directory, so nothing outside the programs tree is ever made or opened, typed
// or read from a file alike.
QString writerDirectory();

// Makes sure the tree exists down to the writer's directory, one level at a time.
void makedirs();

// Creates the one directory named by path; every failure is ignored.
void makedir(const QString& path);

}  // namespace files
