#include "platform/services.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLibrary>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPixmapCache>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QUrl>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <unistd.h>

#include "platform/file_names.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace platform {

namespace {

class QtDispatch final : public EventDispatch {
  public:
    void dispatchEvents() override {
        // Sleeps until something happens instead of spinning.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
};

class QtBeeper final : public Beeper {
  public:
    void beep() override { QApplication::beep(); }
};

class ClockSeededRandom final : public RandomSource {
  public:
    void reseedFromClock() override {
        engine_.seed(static_cast<std::mt19937_64::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }
    // 53 random bits scaled into [0, 1): never 1, which would put a target off the floor
    // (a uniform_real_distribution may round up to 1).
    double next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_{std::random_device{}()};
};

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open(const FileChoice& choice) override {
        return ask(choice, QFileDialog::AcceptOpen);
    }
    std::optional<QString> save(const FileChoice& choice) override {
        return ask(choice, QFileDialog::AcceptSave);
    }

  private:
    // The file names a filter such as "marlo files (*.mlo)" lets through.
    static QStringList patterns(const QString& filter) {
        return filter.section(QLatin1Char('('), 1)
            .section(QLatin1Char(')'), 0, 0)
            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }

    // A folder the pupil goes to that holds files of the further filters offers those too,
    // and chooses the first of them where it holds none of the first filter's.
    static void offerFilters(QFileDialog& dialog, const FileChoice& choice, const QString& folder) {
        const QDir here(folder);
        const auto holds = [&](const QString& filter) {
            return !here.entryList(patterns(filter), QDir::Files).isEmpty();
        };
        QStringList filters{choice.filter};
        for (const QString& filter : choice.moreFilters)
            if (holds(filter)) filters.append(filter);
        if (filters == dialog.nameFilters()) return;
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.size() > 1 && !holds(choice.filter) ? filters.at(1)
                                                                            : choice.filter);
    }

    static std::optional<QString> ask(const FileChoice& choice, QFileDialog::AcceptMode mode) {
        QFileDialog dialog(nullptr, QString(), choice.directory, choice.filter);
        dialog.setAcceptMode(mode);
        if (mode == QFileDialog::AcceptSave) {
            dialog.setFileMode(QFileDialog::AnyFile);
            // Qt's own question, and its default suffix, would look at the name as typed:
            // "Mr. Smith" rather than the "Mr. Smith.mlo" that is written.
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        } else {
            dialog.setFileMode(QFileDialog::ExistingFile);
        }
        // Every way to another folder, typed, clicked or from the side, passes through the
        // dialogue's model; a native dialogue has none and keeps the first filter alone.
        const auto* folders = dialog.findChild<QFileSystemModel*>();
        if (!choice.moreFilters.isEmpty() && folders != nullptr)
            QObject::connect(folders, &QFileSystemModel::rootPathChanged, &dialog,
                             [&](const QString& folder) { offerFilters(dialog, choice, folder); });
        if (!choice.places.isEmpty()) {
            QList<QUrl> places = dialog.sidebarUrls();
            for (const QString& place : choice.places)
                if (QFileInfo(place).isDir()) places.append(QUrl::fromLocalFile(place));
            dialog.setSidebarUrls(places);
        }
        // A name with a separator would lead the dialogue out of the writer's directory.
        if (isPlainName(choice.fileName)) dialog.selectFile(choice.fileName);
        for (;;) {
            const int answer = dialog.exec();
            // Each dialogue draws its icons anew, and Qt's pixmap cache would keep every one.
            QPixmapCache::clear();
            if (answer != QDialog::Accepted) return std::nullopt;
            const QStringList files = dialog.selectedFiles();
            if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
            if (mode == QFileDialog::AcceptOpen) return files.first();
            const QString path = withExtension(files.first(), choice.extension);
            if (!QFileInfo::exists(path) || replaces(path, dialog.windowTitle())) return path;
            // No: back to the dialogue, the name still typed.
            dialog.selectFile(QFileInfo(files.first()).fileName());
        }
    }

    // Qt's own question, in its own words and translation, but about the file really written.
    static bool replaces(const QString& path, const QString& title) {
        return QMessageBox::warning(
                   nullptr, title,
                   QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                       .arg(QFileInfo(path).fileName()),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    }
};

class QtQuestions final : public Questions {
  public:
    bool askYesNo(const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("MARLO"), text,
                        QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
};

class MessageBoxNotices final : public Notices {
  public:
    void warn(const QString& text, const QString& detail) override {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("MARLO"), text, QMessageBox::Ok);
        box.setInformativeText(detail);
        box.exec();
    }
};

class SystemCalendar final : public Calendar {
  public:
    QDate today() override { return QDate::currentDate(); }
};

constexpr int pdfDotsPerInch = 600;

// Paints the surface's pages on the printer and ends the document.
bool paintPages(QPrinter& printer, const Surface& pages) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The surface keeps twips; the painter draws in the printer's dots.
    painter.scale(printer.logicalDpiX() / twipsPerInch, printer.logicalDpiY() / twipsPerInch);
    bool paged = true;
    pages.replay(painter, [&] { paged = printer.newPage() && paged; });
    const bool ended = painter.end();
    return paged && ended && printer.printerState() != QPrinter::Error;
}

// The PDF writer reports no failed write, and a full disk leaves a document cut short: the
// file is forced to the disk and must end with the trailer.
bool complete(QFile& file) {
    constexpr qint64 tailBytes = 16;
    if (!file.isOpen() || ::fsync(file.handle()) != 0) return false;
    const qint64 size = file.size();
    return size >= tailBytes && file.seek(size - tailBytes) &&
           file.read(tailBytes).trimmed().endsWith("%%EOF");
}

// A new hidden file in `folder` for a document on its way. Made like any new file, so the
// umask applies (QTemporaryFile's would be its owner's alone).
bool createHidden(QFile& file, const QString& folder) {
    constexpr QFile::Permissions anyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    for (int tries = 0; tries < 100; ++tries) {
        file.setFileName(QStringLiteral("%1/.marlo-%2.pdf")
                             .arg(folder)
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (file.open(QIODevice::ReadWrite | QIODevice::NewOnly, anyone)) return true;
        if (!file.exists()) break;
    }
    file.setFileName(QString());
    return false;
}

// No copy number goes past this; a folder with so many copies takes no more.
constexpr int mostCopies = 9999;

enum class Placed { Renamed, Linked, Taken, Failed };

// Gives a whole document a name. Another MARLO may be saving under the same name at this
// moment, so a name is only ever taken where no file has it.
Placed placeAsNew(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source, AT_FDCWD, target, RENAME_NOREPLACE) == 0)
        return Placed::Renamed;
    // A file system that cannot rename without replacing can still make a new link.
    if ((errno == EINVAL || errno == ENOSYS) && ::link(source, target) == 0) return Placed::Linked;
    return errno == EEXIST ? Placed::Taken : Placed::Failed;
}

class PdfJob final : public PrintJob {
  public:
    PdfJob(const QString& folder, const CopyName& name, const QPageLayout& page)
        : printer_(QPrinter::HighResolution), folder_(folder), name_(name) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        // An empty name would turn the PDF into a native print job.
        if (createHidden(file_, folder)) printer_.setOutputFileName(file_.fileName());
        printer_.setResolution(pdfDotsPerInch);
        printer_.setPageLayout(page);
    }
    ~PdfJob() override {
        // A document that got no name of its own leaves nothing behind.
        if (!renamed_ && !file_.fileName().isEmpty()) file_.remove();
    }
    PdfJob(const PdfJob&) = delete;
    PdfJob& operator=(const PdfJob&) = delete;

    const QPaintDevice& device() const override { return printer_; }
    bool print(const Surface& pages) override {
        if (!file_.isOpen() || !paintPages(printer_, pages) || !complete(file_)) return false;
        for (int copy = 1; copy <= mostCopies; ++copy) {
            const QString path = folder_ + QLatin1Char('/') + name_(copy);
            const Placed placed = placeAsNew(file_.fileName(), path);
            if (placed == Placed::Taken) continue;
            if (placed == Placed::Failed) return false;
            renamed_ = placed == Placed::Renamed;
            savedAs_ = path;
            return true;
        }
        return false;
    }
    QString savedAs() const override { return savedAs_; }

  private:
    QPrinter printer_;
    QString folder_;
    CopyName name_;
    QFile file_;
    bool renamed_ = false;
    QString savedAs_;
};

// CUPS's own call for a job, found when the first job is sent: linked in, libcups would bring
// some twenty libraries into every start-up. Qt's printing needs libcups, so it is there.
using CupsPrintFile = int (*)(const char* printer, const char* file, const char* title,
                              int optionCount, void* options);
CupsPrintFile cupsPrintFile() {
    static const auto function = reinterpret_cast<CupsPrintFile>(
        QLibrary::resolve(QStringLiteral("cups"), 2, "cupsPrintFile"));
    return function;
}

// Qt's own CUPS back end does not say when CUPS refuses a job, so the page is made as a PDF
// on the printer's paper and at its resolution, and handed to CUPS here, where the answer
// can be read.
class PrinterJob final : public PrintJob {
  public:
    explicit PrinterJob(const QString& name)
        : printer_(QPrinterInfo::printerInfo(name), QPrinter::HighResolution),
          name_(name),
          file_(QDir::tempPath() + QStringLiteral("/marlo-XXXXXX.pdf")) {
        const QPageLayout page = printer_.pageLayout();
        const int dotsPerInch = printer_.resolution();
        printer_.setOutputFormat(QPrinter::PdfFormat);
        if (file_.open()) printer_.setOutputFileName(file_.fileName());
        printer_.setResolution(dotsPerInch);
        printer_.setPageLayout(page);
    }
    const QPaintDevice& device() const override { return printer_; }
    bool print(const Surface& pages) override {
        const CupsPrintFile send = cupsPrintFile();
        if (send == nullptr || !file_.isOpen() || !paintPages(printer_, pages) || !complete(file_))
            return false;
        return send(name_.toLocal8Bit().constData(),
                    QFile::encodeName(file_.fileName()).constData(), "MARLO", 0, nullptr) != 0;
    }

  private:
    QPrinter printer_;
    QString name_;
    QTemporaryFile file_;
};

class CupsPrinters final : public Printers {
  public:
    std::optional<QString> defaultPrinterName() override {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull()) return std::nullopt;
        return printer.printerName();
    }
    std::unique_ptr<PrintJob> openPrinter(const QString& name) override {
        return std::make_unique<PrinterJob>(name);
    }
    std::unique_ptr<PrintJob> openPdf(const QString& folder, const CopyName& name) override {
        // Letter where the locale measures in inches, A4 elsewhere; margins any printer can
        // print within.
        const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                  ? QPageSize::Letter
                                  : QPageSize::A4);
        return pdfJob(folder, name,
                      QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    }
};

class ImmediateEnd final : public ProcessEnd {
  public:
    [[noreturn]] void endNow() override { std::_Exit(0); }
};

}  // namespace

std::unique_ptr<PrintJob> pdfJob(const QString& folder, const CopyName& name,
                                 const QPageLayout& page) {
    return std::make_unique<PdfJob>(folder, name, page);
}

template <>
EventDispatch& production<EventDispatch>() {
    static QtDispatch service;
    return service;
}

template <>
Beeper& production<Beeper>() {
    static QtBeeper service;
    return service;
}

template <>
RandomSource& production<RandomSource>() {
    static ClockSeededRandom service;
    return service;
}

template <>
FileDialogs& production<FileDialogs>() {
    static QtFileDialogs service;
    return service;
}

template <>
Questions& production<Questions>() {
    static QtQuestions service;
    return service;
}

template <>
Notices& production<Notices>() {
    static MessageBoxNotices service;
    return service;
}

template <>
Calendar& production<Calendar>() {
    static SystemCalendar service;
    return service;
}

template <>
Printers& production<Printers>() {
    static CupsPrinters service;
    return service;
}

template <>
ProcessEnd& production<ProcessEnd>() {
    static ImmediateEnd service;
    return service;
}

}  // namespace platform
