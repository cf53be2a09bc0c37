#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "app/status.h"
#include "app/stop_rule.h"
#include "app/variables.h"
#include "files/files.h"
#include "files/program_file.h"
#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/file_names.h"
#include "platform/regular_file.h"
#include "platform/services.h"
#include "platform/whole_file.h"

using namespace variables;

namespace {

// A program file is a few dozen bytes; reading stops here, so choosing some huge file by
// mistake cannot fill the memory.
constexpr qint64 readLimit = 1 << 20;

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
        {files::writerDirectory(), programname,
         QCoreApplication::translate("Files", "MARLO files (*.mlo)"), extension});
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
        showStatus(files::programsDirectoryMissing()
                       ? folderMissing()
                       : QCoreApplication::translate("Status", "cancelled!"));
        saved = no;
    }
}

void GraphicsWindow::load_Click() {
    if (stopsRun()) return;
    showStatus(QString());
    if (saved == no && !platform::seam<platform::Questions>().askYesNo(QCoreApplication::translate(
                           "Files", "You haven't saved your program. Do you want to continue?")))
        return;
    loadprogram();
}

void GraphicsWindow::loadprogram() {
    files::makedirs();
    if (files::programsDirectoryMissing()) return showStatus(folderMissing());
    const std::optional<QString> chosen =
        platform::seam<platform::FileDialogs>().open(lessons::withLessons(
            {files::writerDirectory(), fileToOpen(),
             QCoreApplication::translate("Files", "marlo files (*.mlo)"), extension}));
    if (!chosen) return;
    if (lessons::opensInstead(*chosen)) return;
    const auto file = platform::readRegularFile(*chosen, readLimit);
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
