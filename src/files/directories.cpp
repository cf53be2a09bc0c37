#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

#include "app/variables.h"
#include "files/files.h"
#include "platform/file_names.h"
#include "settings/settings.h"

namespace files {

namespace {

#ifndef Q_OS_WIN
// The home the password database gives, for a session started without HOME.
QByteArray passwordHome() {
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}
#endif

// Nothing when there is no home: a relative path or the root is none, so the tree is never
// made at the root or wherever MARLO was started.
std::optional<QString> treeRoot() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:");
#else
    for (const QByteArray& home : {qgetenv("HOME"), passwordHome()}) {
        const QString path = QFile::decodeName(home);
        if (QDir::isAbsolutePath(path) && !QDir(path).isRoot()) return QDir::cleanPath(path);
    }
    return std::nullopt;
#endif
}

}  // namespace

std::optional<QString> programsDirectory() {
    if (const QString& school = settings::current().programsFolder; !school.isEmpty())
        return school;
    const std::optional<QString> root = treeRoot();
    if (!root) return std::nullopt;
    return *root + QStringLiteral("/brindle/marlo/programs");
}

QString writerDirectory() {
    const std::optional<QString> programs = programsDirectory();
    if (!programs) return {};
    // "Zo\u00eb " and "Zo\u00eb" are one pupil; the box keeps what was typed.
    const QString writer = variables::author.trimmed();
    return platform::isPlainName(writer) ? *programs + QLatin1Char('/') + writer : *programs;
}

void makedirs() {
    // The school's folder, on a share perhaps, is the school's to make: only the writer's, and
    // nothing at all where the folder is missing, lest a share not mounted be made on the disk.
    if (!settings::current().programsFolder.isEmpty()) {
        if (!programsDirectoryMissing()) makedir(writerDirectory());
        return;
    }
    const std::optional<QString> root = treeRoot();
    if (!root) return;
    makedir(*root + QStringLiteral("/brindle"));
    makedir(*root + QStringLiteral("/brindle/marlo"));
    makedir(*programsDirectory());
    // The programs directory again when the writer's name names no directory of its own.
    makedir(writerDirectory());
}

bool programsDirectoryMissing() {
    const QString& school = settings::current().programsFolder;
    return !school.isEmpty() && !QFileInfo(school).isDir();
}

void makedir(const QString& path) {
    QDir().mkdir(path);
}

}  // namespace files
