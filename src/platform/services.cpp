#include "platform/services.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <chrono>
#include <cstdlib>
#include <random>

#include "platform/surface.h"

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
        engine_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

  private:
    std::mt19937 engine_{std::random_device{}()};
};

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> open(const FileChoice& choice) override {
        return chosen(
            QFileDialog::getOpenFileName(nullptr, QString(), start(choice), choice.filter));
    }
    std::optional<QString> save(const FileChoice& choice) override {
        return chosen(
            QFileDialog::getSaveFileName(nullptr, QString(), start(choice), choice.filter));
    }

  private:
    static QString start(const FileChoice& choice) {
        return choice.fileName.isEmpty() ? choice.directory
                                         : choice.directory + QLatin1Char('/') + choice.fileName;
    }
    static std::optional<QString> chosen(const QString& path) {
        if (path.isEmpty()) return std::nullopt;
        return path;
    }
};

class QtQuestions final : public Questions {
  public:
    bool askYesNo(const QString& text) override {
        return QMessageBox::question(nullptr, QString(), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
};

class SystemCalendar final : public Calendar {
  public:
    QDate today() override { return QDate::currentDate(); }
};

constexpr int pdfDotsPerInch = 600;

// A document on a QPrinter: a real printer through CUPS, or a PDF file.
class QtPrintJob final : public PrintJob {
  public:
    explicit QtPrintJob(const QString& printerName)
        : printer_(QPrinterInfo::printerInfo(printerName), QPrinter::HighResolution) {}

    QtPrintJob(const QString& path, const QPageLayout& page) : printer_(QPrinter::HighResolution) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(path);
        printer_.setResolution(pdfDotsPerInch);
        printer_.setPageLayout(page);
        pdfPath_ = path;
    }

    const QPaintDevice& device() const override { return printer_; }

    bool print(const Surface& pages) override {
        QPainter painter;
        if (!painter.begin(&printer_)) return false;
        // The surface keeps twips; the painter draws in the printer's dots.
        painter.scale(printer_.logicalDpiX() / 1440.0, printer_.logicalDpiY() / 1440.0);
        bool paged = true;
        pages.replay(painter, [&] { paged = printer_.newPage() && paged; });
        const bool ended = painter.end();
        if (!paged || !ended || printer_.printerState() == QPrinter::Error) return false;
        // The PDF writer reports no failed write: at least the file must be there.
        if (!pdfPath_.isEmpty()) {
            const QFileInfo written(pdfPath_);
            return written.isFile() && written.size() > 0;
        }
        return true;
    }

  private:
    QPrinter printer_;
    QString pdfPath_;
};

class CupsPrinters final : public Printers {
  public:
    std::optional<QString> defaultPrinterName() override {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull()) return std::nullopt;
        return printer.printerName();
    }
    std::unique_ptr<PrintJob> openPrinter(const QString& name) override {
        return std::make_unique<QtPrintJob>(name);
    }
    std::unique_ptr<PrintJob> openPdf(const QString& path) override {
        // Letter where the locale measures in inches, A4 elsewhere; margins any printer can
        // print within.
        const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                                  ? QPageSize::Letter
                                  : QPageSize::A4);
        return pdfJob(path, QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                        QPageLayout::Millimeter));
    }
};

class ImmediateEnd final : public ProcessEnd {
  public:
    [[noreturn]] void endNow() override { std::_Exit(0); }
};

}  // namespace

std::unique_ptr<PrintJob> pdfJob(const QString& path, const QPageLayout& page) {
    return std::make_unique<QtPrintJob>(path, page);
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
