#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The program file: one line of four quoted fields. Plain logic, no widgets, so it can be
// tested and fuzzed on its own.
namespace files {

struct ProgramFields {
    QString fileheader;
    QString programname;
    QString author;
    QString prog;

    bool operator==(const ProgramFields&) const = default;
};

// The whole file: "header","name","writer","program" and CR LF. A double quote inside a value
// is written as a single quote, so the line always reads back as the same four fields. The
// line is one byte per character (Windows-1252) when every character fits, otherwise UTF-8.
QByteArray writeProgramLine(const ProgramFields& fields);

// Reads the first four fields of a file's bytes; nothing when there are fewer than four.
// The fields are UTF-8 when they are valid UTF-8, otherwise Windows-1252. `cut` says that the
// file goes on beyond `bytes`: a field that runs to their end is then cut short, and nothing
// is read.
std::optional<ProgramFields> readProgramLine(QByteArrayView bytes, bool cut = false);

}  // namespace files
