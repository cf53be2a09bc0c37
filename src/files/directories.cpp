#include <QDir>

#include "app/variables.h"
#include "files/files.h"
#include "platform/file_names.h"

namespace files {

namespace {

QString treeRoot() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:");
#else
    return QDir::homePath();
#endif
}

}  // namespace

QString programsDirectory() {
    return treeRoot() + QStringLiteral("/brindle/marlo/programs");
}

QString writerDirectory() {
    // "Zo\u00eb " and "Zo\u00eb" are one pupil; the box keeps what was typed.
    const QString writer = variables::author.trimmed();
    return platform::isPlainName(writer) ? programsDirectory() + QLatin1Char('/') + writer
                                         : programsDirectory();
}

void makedirs() {
    const QString root = treeRoot();
    makedir(root + QStringLiteral("/brindle"));
    makedir(root + QStringLiteral("/brindle/marlo"));
    makedir(programsDirectory());
    // The programs directory again when the writer's name names no directory of its own.
    makedir(writerDirectory());
}

void makedir(const QString& path) {
    QDir().mkdir(path);
}

}  // namespace files
