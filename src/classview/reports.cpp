#include "classview/reports.h"

#include <QLocale>
#include <QPageLayout>
#include <algorithm>
#include <utility>

#include "app/variables.h"
#include "platform/twips.h"
#include "printing/PrinterSupport.h"

namespace classview {

namespace {
constexpr int pdfDotsPerInch = 600;
}  // namespace

PdfPage::PdfPage() : writer_(&nowhere_) {
    // The page a PDF is printed on: the locale's usual paper, with margins any printer keeps.
    const QPageSize paper(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    writer_.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
    writer_.setResolution(pdfDotsPerInch);
}

QSizeF PdfPage::size() const {
    return {writer_.width() * platform::twipsPerInch / writer_.logicalDpiX(),
            writer_.height() * platform::twipsPerInch / writer_.logicalDpiY()};
}

double PdfPage::dotsPerInch() const {
    return writer_.logicalDpiX();
}

platform::Surface drawReports(const std::vector<files::ProgramFields>& programs,
                              const QPaintDevice& device) {
    platform::Surface& page = PrinterSupport::printer();
    page = platform::Surface(platform::Scale::Twips);
    page.setDevice(&device);
    for (size_t i = 0; i < programs.size(); ++i) {
        if (i > 0) page.newPage();
        variables::prog = programs[i].prog;
        variables::programname = programs[i].programname;
        variables::author = programs[i].author;
        PrinterSupport::printreport();
    }
    // Given away without the device, which may not outlive it, and not kept twice.
    page.setDevice(nullptr);
    return std::exchange(page, platform::Surface(platform::Scale::Twips));
}

int pageCount(const platform::Surface& pages) {
    return 1 + static_cast<int>(std::ranges::count_if(pages.commands(), [](const auto& command) {
               return std::holds_alternative<platform::PageBreak>(command);
           }));
}

}  // namespace classview
