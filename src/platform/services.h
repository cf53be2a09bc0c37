#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPageLayout;
class QPaintDevice;

namespace platform {

// Side effects MARLO has on the world, each behind a small interface so that a test can put
// a scripted or recording one in its place. seam<Service>() is the one in use.

class EventDispatch {
  public:
    virtual ~EventDispatch() = default;
    // Waits for the next event of the application and dispatches all that are pending.
    virtual void dispatchEvents() = 0;
};

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

struct FileChoice {
    QString directory;
    QString fileName;
    QString filter;
    // Added to a saved name that does not end in it; the save asks before replacing the
    // file with that name.
    QString extension;
    // Offered after `filter` in a folder the pupil goes to that holds such files; the dialogue
    // opens with `filter` alone.
    QStringList moreFilters{};
    // Folders offered beside the dialogue's own places; those that do not exist are left out.
    QStringList places{};
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the pupil cancels.
    virtual std::optional<QString> open(const FileChoice& choice) = 0;
    virtual std::optional<QString> save(const FileChoice& choice) = 0;
};

class Questions {
  public:
    virtual ~Questions() = default;
    // True for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

class Notices {
  public:
    virtual ~Notices() = default;
    // Tells the user that something went wrong, `text` saying what and `detail` why, and waits
    // until it has been read.
    virtual void warn(const QString& text, const QString& detail) = 0;
};

class Calendar {
  public:
    virtual ~Calendar() = default;
    virtual QDate today() = 0;
};

class Surface;

// One document on its way to a printer or into a PDF file.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    // The page: its size, its resolution and the metrics of text on it.
    virtual const QPaintDevice& device() const = 0;
    // Paints the surface's pages and ends the document. False when the printer refused the
    // job or the whole file could not be written.
    virtual bool print(const Surface& pages) = 0;
    // The file the document was saved as; empty for paper.
    virtual QString savedAs() const { return {}; }
};

// The file name of the n-th document saved under one name, counting from 1.
using CopyName = std::function<QString(int copy)>;

class Printers {
  public:
    virtual ~Printers() = default;
    // The system's default printer, or nothing when there is none.
    virtual std::optional<QString> defaultPrinterName() = 0;
    virtual std::unique_ptr<PrintJob> openPrinter(const QString& name) = 0;
    // A PDF file at 600 dpi on the locale's usual paper, saved in `folder` as the first of
    // name(1), name(2), ... that no file has yet: it never replaces a file, and only a
    // whole document gets a name.
    virtual std::unique_ptr<PrintJob> openPdf(const QString& folder, const CopyName& name) = 0;
};

// A real PDF document on the given page, saved as openPdf() saves one, for tests that need one.
std::unique_ptr<PrintJob> pdfJob(const QString& folder, const CopyName& name,
                                 const QPageLayout& page);

class ProcessEnd {
  public:
    virtual ~ProcessEnd() = default;
    // Ends the process at once: no more handlers run and nothing is written.
    virtual void endNow() = 0;
};

template <class Service>
Service& production();

template <class Service>
struct SeamSlot {
    static inline Service* replacement = nullptr;
};

template <class Service>
Service& seam() {
    Service* replacement = SeamSlot<Service>::replacement;
    return replacement != nullptr ? *replacement : production<Service>();
}

// Puts a test's service in place; nullptr puts the real one back.
template <class Service>
void replaceSeam(Service* replacement) {
    SeamSlot<Service>::replacement = replacement;
}

}  // namespace platform
