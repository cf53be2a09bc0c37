#pragma once

#include <QBuffer>
#include <QPdfWriter>
#include <vector>

#include "files/program_file.h"
#include "platform/surface.h"

class QPaintDevice;

// Programs drawn by the printed report, for the preview and for printing.
namespace classview {

// A page like the PDF's, to lay reports out on without printing anything.
class PdfPage {
  public:
    PdfPage();
    const QPaintDevice& device() const { return writer_; }
    // Its printable part, in twips.
    QSizeF size() const;
    double dotsPerInch() const;

  private:
    QBuffer nowhere_;
    QPdfWriter writer_;
};

// The reports of the programs, one after the other, each starting a page, laid out for the
// device. Each program in turn becomes the shared program, name and writer, as if loaded:
// the class view has no program of a pupil's to lose.
platform::Surface drawReports(const std::vector<files::ProgramFields>& programs,
                              const QPaintDevice& device);

int pageCount(const platform::Surface& pages);

}  // namespace classview
