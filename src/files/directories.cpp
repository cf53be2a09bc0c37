#include <QDir>

#include "app/variables.h"
#include "files/files.h"

namespace files {

namespace {

QString treeRoot() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:");
#else
    return QDir::homePath();
#endif
}

bool namesOwnDirectory(const QString& writer) {
    return !writer.isEmpty() && writer != QLatin1String(".") && writer != QLatin1String("..") &&
           !writer.contains(QLatin1Char('/')) && !writer.contains(QLatin1Char('\\')) &&
           !writer.contains(QChar(0));
}

}  // namespace

QString programsDirectory() {
    return treeRoot() + QStringLiteral("/brindle/marlo/programs");
}

QString writerDirectory() {
    const QString& writer = variables::author;
    return namesOwnDirectory(writer) ? programsDirectory() + QLatin1Char('/') + writer
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
