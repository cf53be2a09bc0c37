#include "classview/class_folder.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "platform/regular_file.h"

namespace classview {

namespace {

// As the load button: a program file is a few dozen bytes, and a huge file chosen by mistake
// must not fill the memory.
constexpr qint64 readLimit = 1 << 20;

QStringList programFiles(const QDir& folder) {
    // System as well, so a pipe or a broken link named like a program still has its row.
    return folder.entryList({QStringLiteral("*.mlo")}, QDir::Files | QDir::System, QDir::Unsorted);
}

}  // namespace

ClassProgram readProgram(const QString& path, const QString& writer) {
    ClassProgram program;
    program.writer = writer;
    program.path = path;
    program.name = QFileInfo(path).fileName().chopped(4);
    // A pipe or a device named like a program is not read, so it cannot stop the view.
    const std::optional<platform::FileStart> file = platform::readRegularFile(path, readLimit);
    if (!file) {
        program.problem = Problem::Unreadable;
        return program;
    }
    program.saved = file->modified;
    if (file->cut)
        program.problem = Problem::TooLarge;
    else if (!(program.fields = files::readProgramLine(file->bytes)))
        program.problem = Problem::NotAProgram;
    return program;
}

std::vector<ClassProgram> readClass(const QString& folder) {
    std::vector<ClassProgram> programs;
    const QDir root(folder);
    // Saved under a name that is no folder's, a program lands in the class folder itself.
    for (const QString& file : programFiles(root)) {
        ClassProgram program = readProgram(root.filePath(file), QString());
        if (program.fields) program.writer = program.fields->author.trimmed();
        programs.push_back(std::move(program));
    }
    for (const QString& writer :
         root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted)) {
        const QDir folderOfWriter(root.filePath(writer));
        for (const QString& file : programFiles(folderOfWriter))
            programs.push_back(readProgram(folderOfWriter.filePath(file), writer));
    }
    const QCollator collator = personsOrder();
    std::sort(programs.begin(), programs.end(), [&](const ClassProgram& a, const ClassProgram& b) {
        if (const int writer = collator.compare(a.writer, b.writer)) return writer < 0;
        if (const int name = collator.compare(a.name, b.name)) return name < 0;
        return a.path < b.path;
    });
    return programs;
}

QCollator personsOrder() {
    QLocale language;
    // Where no language is set, the C locale would compare character codes, digits and all.
    if (language.language() == QLocale::C) language = QLocale(QLocale::English);
    QCollator collator(language);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

int commandCount(const ClassProgram& program) {
    return program.fields ? static_cast<int>(program.fields->prog.size()) : -1;
}

QString describe(Problem problem) {
    switch (problem) {
        case Problem::Unreadable:
            return QCoreApplication::translate("classview", "cannot be read");
        case Problem::TooLarge:
            return QCoreApplication::translate("classview", "too large for a program");
        case Problem::NotAProgram:
            return QCoreApplication::translate("classview", "not a MARLO program");
        case Problem::None:
            break;
    }
    return QString();
}

}  // namespace classview
