#include <QCoreApplication>
#include <QFileInfo>
#include <memory>
#include <optional>

#include "app/status.h"
#include "app/stop_rule.h"
#include "app/variables.h"
#include "files/files.h"
#include "layout/windows.h"
#include "platform/services.h"
#include "printing/PrinterSupport.h"
#include "settings/settings.h"

using namespace variables;

namespace {

// The replay drives the robot variables; the robot on screen has not moved, so they go back
// to where it stands once the report is drawn.
class RobotStateKept {
  public:
    RobotStateKept()
        : xpos_(xpos),
          ypos_(ypos),
          heading_(heading),
          oldx_(oldx),
          oldy_(oldy),
          crashed_(crashed) {}
    ~RobotStateKept() {
        xpos = xpos_;
        ypos = ypos_;
        heading = heading_;
        oldx = oldx_;
        oldy = oldy_;
        crashed = crashed_;
    }
    RobotStateKept(const RobotStateKept&) = delete;
    RobotStateKept& operator=(const RobotStateKept&) = delete;

  private:
    std::int16_t xpos_, ypos_, heading_, oldx_, oldy_;
    Boolean crashed_;
};

// Draws the whole report on a fresh page laid out for the device; the pages after the first
// say they are of `pages`. Gives the number of pages drawn.
int drawReport(const QPaintDevice& device, int pages) {
    platform::Surface& page = PrinterSupport::printer();
    page = platform::Surface(platform::Scale::Twips);
    page.setDevice(&device);
    page.pageStarted = [pages] { PrinterSupport::printrunningheader(pages); };
    PrinterSupport::printreport();
    return page.pages();
}

// Draws the whole report and prints it.
bool printReport(platform::PrintJob& job) {
    const RobotStateKept kept;
    // The page count is known once the listing is laid out. The running header is as tall
    // whatever count it gives, so drawing again with the count lays out the same pages.
    const int pages = drawReport(job.device(), 1);
    if (pages > 1) drawReport(job.device(), pages);
    platform::Surface& page = PrinterSupport::printer();
    const bool printed = job.print(page);
    page.setDevice(nullptr);
    page.pageStarted = nullptr;
    return printed;
}

}  // namespace

void GraphicsWindow::PrintButton_Click() {
    if (stopsRun()) return;
    // The default printer; without one, a PDF in the writer's own folder to print elsewhere. A
    // school may want the PDF always.
    platform::Printers& printers = platform::seam<platform::Printers>();
    const std::optional<QString> printerName =
        settings::current().alwaysPdf ? std::nullopt : printers.defaultPrinterName();
    std::unique_ptr<platform::PrintJob> job;
    if (printerName) {
        job = printers.openPrinter(*printerName);
    } else if (const QString folder = files::writerDirectory(); !folder.isEmpty()) {
        // Without a home the folder is empty: nothing is made and nothing printed.
        files::makedirs();
        job = printers.openPdf(folder, [name = programname](int copy) {
            return PrinterSupport::pdfFileName(name, copy);
        });
    }
    const bool printed = job && printReport(*job);
    buttons().printprog();
    // A job that failed must not pass for printed, and a PDF must say where it went; paper
    // coming out of the printer says enough.
    if (!printed)
        showStatus(QCoreApplication::translate("Status", "not printed"));
    else if (!printerName)
        showStatus(QCoreApplication::translate("Status", "saved as %1")
                       .arg(QFileInfo(job->savedAs()).fileName()),
                   job->savedAs());
}
