#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "app/status.h"
#include "app/stop_rule.h"
#include "app/variables.h"
#include "files/files.h"
#include "files/program_file.h"
#include "layout/windows.h"
#include "platform/file_names.h"
#include "platform/services.h"
#include "platform/whole_file.h"

using namespace variables;

namespace {

// A program file is a few dozen bytes; reading stops here, so choosing some huge file by
// mistake cannot fill the memory.
constexpr qint64 readLimit = 1 << 20;

// The first `limit` bytes of a file and one more, so that a field ending right at the limit
// is seen to end there; `cut` when the file goes on beyond them.
struct FileStart {
    QByteArray bytes;
    bool cut = false;
};

// The start of a regular file; nothing for anything else. A pipe, a device or a socket could
// keep the read waiting for ever, so it is not even opened; the open itself cannot wait, and
// the file opened is checked again in case the name changed in between.
std::optional<FileStart> readRegularFile(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 got = 0;
    bool failed = ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode);
    while (!failed && got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n == 0) break;
        if (n > 0) got += n;
        failed = n < 0 && errno != EINTR;
    }
    ::close(fd);
    if (failed) return std::nullopt;
    bytes.truncate(got);
    return FileStart{bytes, got > limit};
}

// Every program file ends in it, so the load dialogue lists the file and the program keeps its
// whole name.
const QString extension = QStringLiteral(".mlo");

QString withExtension(const QString& path) {
    return platform::withExtension(path, extension);
}

// The open dialogue starts on the program's file, so Open can be pressed at once: with its
// extension, or as it is where only a file of that very name is there (saved without one).
QString fileToOpen() {
    const QString directory = files::writerDirectory() + QLatin1Char('/');
    const QString named = withExtension(programname);
    if (QFileInfo::exists(directory + named) || !QFileInfo(directory + programname).isFile())
        return named;
    return programname;
}

// Said instead of "cancelled!" when the school's folder, a share perhaps, is not there: the
// program is still in MARLO, and saving again once the share is back saves it.
QString folderMissing() {
    return QCoreApplication::translate("files", "folder missing");
}

bool trySave() {
    // Without a home there is nowhere of the pupil's own to save to.
    if (files::writerDirectory().isEmpty() || files::programsDirectoryMissing()) return false;
    const std::optional<QString> chosen = platform::seam<platform::FileDialogs>().save(
        {files::writerDirectory(), programname, QStringLiteral("MARLO files (*.mlo)"), extension});
    if (!chosen) return false;
    const QString path = withExtension(*chosen);
    programname = QFileInfo(path).fileName().chopped(extension.size());
    if (!platform::writeWhole(path,
                              files::writeProgramLine({fileheader, programname, author, prog})))
        return false;
    graphics().progname.setText(programname);
    saved = yes;
    return true;
}

}  // namespace

void GraphicsWindow::save_Click() {
    if (stopsRun()) return;
    showStatus(QString());
    files::makedirs();
    if (!trySave()) {
        showStatus(files::programsDirectoryMissing() ? folderMissing()
                                                     : QStringLiteral("cancelled!"));
        saved = no;
    }
}

void GraphicsWindow::load_Click() {
    if (stopsRun()) return;
    showStatus(QString());
    if (saved == no && !platform::seam<platform::Questions>().askYesNo(QStringLiteral(
                           "You haven't saved your program. Do you want to continue?")))
        return;
    loadprogram();
}

void GraphicsWindow::loadprogram() {
    files::makedirs();
    if (files::programsDirectoryMissing()) return showStatus(folderMissing());
    const std::optional<QString> chosen = platform::seam<platform::FileDialogs>().open(
        {files::writerDirectory(), fileToOpen(), QStringLiteral("marlo files (*.mlo)"), extension});
    if (!chosen) return;
    const auto file = readRegularFile(*chosen, readLimit);
    if (!file) return;
    // All four or nothing: a half-read file must not change the writer or header that the
    // next save writes.
    const std::optional<files::ProgramFields> read = files::readProgramLine(file->bytes, file->cut);
    if (!read) return;
    fileheader = read->fileheader;
    programname = read->programname;
    author = read->author;
    prog = read->prog;
    newprog();
}
