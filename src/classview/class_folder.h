#pragma once

#include <QCollator>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "files/program_file.h"

// A class's programs: one folder per writer, each with its program files. Only ever read.
namespace classview {

// Why a file of the class cannot be shown as a program.
enum class Problem { None, Unreadable, TooLarge, NotAProgram };

struct ClassProgram {
    // The writer's folder; for a file in the class folder itself, the writer it names.
    QString writer;
    // The file's name without its extension.
    QString name;
    QString path;
    // Invalid when the file could not be read.
    QDateTime saved;
    // All four fields, or nothing with the problem that stopped them.
    std::optional<files::ProgramFields> fields;
    Problem problem = Problem::None;
};

// One program file, read as the load button reads one.
ClassProgram readProgram(const QString& path, const QString& writer);

// Every program file in the folder and in its writers' folders, by writer and then by name.
std::vector<ClassProgram> readClass(const QString& folder);

// Names in a person's order: case aside, numbers by their value ("Sam 2" before "sam 10"),
// in the desktop's language.
QCollator personsOrder();

// Commands in a readable program; -1 for one that could not be read.
int commandCount(const ClassProgram& program);

// The teacher's words for a problem.
QString describe(Problem problem);

}  // namespace classview
