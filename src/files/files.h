#pragma once

#include <QString>

// The tree of program files: one directory per writer under the programs directory.
namespace files {

// $HOME/brindle/marlo/programs on Linux and macOS, c:\brindle\marlo\programs on Windows.
QString programsDirectory();

// The directory of the current writer (`author`). A name that is empty, "." or "..", or
// holds a path separator or a NUL names no directory of its own: it gives the programs
// directory, so nothing outside the programs tree is ever made or opened.
QString writerDirectory();

// Makes sure the tree exists down to the writer's directory, one level at a time.
void makedirs();

// Creates the one directory named by path; every failure is ignored.
void makedir(const QString& path);

}  // namespace files
