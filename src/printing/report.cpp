#include <QCoreApplication>
#include <QDate>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/variables.h"
#include "language/language.h"
#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/file_names.h"
#include "platform/services.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"

using namespace variables;
using platform::Scale;
using platform::single;

namespace PrinterSupport {

namespace {

constexpr double floorTop = 1000;
constexpr double wordOffset = 400;
constexpr double pathWidth = 5;
constexpr double boundaryWidth = 10;
constexpr double nameSize = 18;
constexpr double textSize = 14;
constexpr double headerShift = 4;
constexpr double headerTop = 200;
constexpr double runningHeaderSize = 10;

// The page's width in whole twips.
int pageWidth() {
    return static_cast<int>(std::nearbyint(printer().pageSize().width()));
}

void setFontSize(double points) {
    platform::FontChoice font = printer().font();
    font.points = points;
    printer().setFont(font);
}

struct Piece {
    QString text;
    double points;
};

// The factor by which the pieces' sizes shrink together so that, printed in a row from x
// twips, they end within the page: 1 when they already do.
double fittingScale(const std::vector<Piece>& pieces, double x) {
    platform::Surface& page = printer();
    const Scale mode = page.scaleMode();
    page.setScaleMode(Scale::Twips);
    const double room = pageWidth() - x;
    double scale = 1;
    for (int tries = 0; tries < 20; ++tries) {
        double width = 0;
        for (const Piece& piece : pieces) {
            setFontSize(piece.points * scale);
            width += page.textWidth(piece.text);
        }
        if (width <= room) break;
        // Text does not grow quite in step with its size, so close in on it.
        scale *= std::min(room / width, 0.99);
    }
    page.setScaleMode(mode);
    return scale;
}

}  // namespace

void belowTheFloor() {
    printer().setCurrentY(single(printy(Module2::rowcount()) + wordOffset));
    printer().setCurrentX(single(printx(Module2::columncount() / 2.0) - wordOffset));
}

platform::Surface& printer() {
    static platform::Surface page(Scale::Twips);
    return page;
}

double printcell() {
    return pageWidth() / (2.0 * Module2::columncount() + 4);
}

double printx(double column) {
    return (column + 2) * printcell();
}

double printy(double row) {
    return (row + 1) * printcell() + floorTop;
}

void printreport() {
    // The words under the floor come before the header sets a size: they take the listing's.
    constexpr double wordsBelowTheFloorSize = 14;
    platform::FontChoice font = printer().font();
    font.points = wordsBelowTheFloorSize;
    printer().setFont(font);
    printfloor();
    printboundary();
    printheader();
    printlisting();
}

void printfloor() {
    lessons::printFloor();
    platform::Surface& page = printer();
    page.setScaleMode(Scale::Twips);
    page.setDrawWidth(pathWidth);
    page.setDrawStyle(platform::PenStyle::Solid);
    page.setCurrentX(0);
    page.setCurrentY(0);
    heading = 1;
    ypos = toInteger(Module2::homerow());
    xpos = toInteger(Module2::homecolumn());
    lessons::putAtStart();
    crashed = no;
    for (qsizetype i = 0; i < prog.size(); ++i) {
        oldx = xpos;
        oldy = ypos;
        if (crashed == yes) continue;
        Module2::docommand(prog.mid(i, 1));
        // Drawn before the check: a step off the floor ends on the boundary line.
        page.line(single(printx(xpos)), single(printy(ypos)), single(printx(oldx)),
                  single(printy(oldy)));
        printcheckcrash();
    }
    printtarget();
}

void printcheckcrash() {
    Module2::keepOnFloor(printcrash);
}

void printcrash() {
    // One step leaves the floor on one side only, and the replay ends with it: one word.
    belowTheFloor();
    printer().print(QCoreApplication::translate("Report", "crashed!!"), true);
    crashed = yes;
}

void printtarget() {
    // Drawn without MARLO's windows (the class view), a program has no target.
    if (!platform::SingleInstance<GraphicsWindow>::exists()) return;
    if (graphics().target.isHidden()) {
        lessons::printOutcome();
        return;
    }
    const double half = printcell() / 2;
    printer().box(single(printx(targetx) - half), single(printy(targety) - half),
                  single(printx(targetx) + half), single(printy(targety) + half), false);
    if (crashed == yes || prog.isEmpty()) return;
    belowTheFloor();
    const bool onTarget = xpos == targetx && ypos == targety;
    printer().print(onTarget ? QCoreApplication::translate("Report", "well done!")
                             : QCoreApplication::translate("Report", "missed"),
                    true);
}

void printboundary() {
    platform::Surface& page = printer();
    page.setDrawWidth(boundaryWidth);
    const std::int16_t top = toInteger(printy(0) - printcell());
    const std::int16_t left = toInteger(printx(0) - printcell());
    const std::int16_t bottom = toInteger(printy(Module2::rowcount()));
    const std::int16_t right = toInteger(printx(Module2::columncount()));
    page.line(left, top, right, top);
    page.line(left, bottom, right, bottom);
    page.line(left, top, left, bottom);
    page.line(right, top, right, bottom);
}

void printheader() {
    platform::Surface& page = printer();
    const double x = pageWidth() / 4.0;
    const QDate today = platform::seam<platform::Calendar>().today();
    const QString date =
        QCoreApplication::translate("Report", " on %1").arg(language::shortDate(today));
    const QString writtenBy = QCoreApplication::translate("Report", "  written by ");
    // Long names would run off the paper and lose the date: then both sizes shrink together,
    // and the smaller pieces' drop with them, so the line still reads as one.
    const QString name = lessons::printedTitle() + programname;
    const double scale = fittingScale(
        {{name, nameSize}, {writtenBy, textSize}, {author, nameSize}, {date, textSize}}, x);
    page.setCurrentX(x);
    page.setCurrentY(headerTop);
    setFontSize(nameSize * scale);
    page.setScaleMode(Scale::Points);
    page.print(name, false);
    // The smaller pieces sit a little lower, so the line reads as one.
    setFontSize(textSize * scale);
    page.setCurrentY(page.currentY() + headerShift * scale);
    page.print(writtenBy, false);
    setFontSize(nameSize * scale);
    page.setCurrentY(page.currentY() - headerShift * scale);
    page.print(author, false);
    setFontSize(textSize * scale);
    page.setCurrentY(page.currentY() + headerShift * scale);
    page.print(date, true);
}

void printrunningheader(int pages) {
    platform::Surface& page = printer();
    const QString header =
        QCoreApplication::translate("Report", "%1, written by %2, page %3 of %4")
            .arg(programname, author, QString::number(page.pages()), QString::number(pages));
    const double x = pageWidth() / 4.0;
    page.setScaleMode(Scale::Twips);
    setFontSize(runningHeaderSize);
    // As tall whatever it says, so that the pages come out the same once the count is known.
    const double below = headerTop + page.textHeight();
    setFontSize(runningHeaderSize * fittingScale({{header, runningHeaderSize}}, x));
    page.setCurrentX(x);
    page.setCurrentY(headerTop);
    page.print(header, true);
    page.setCurrentY(below);
}

void printlisting() {
    platform::Surface& page = printer();
    page.setScaleMode(Scale::Twips);
    // A long header may have shrunk; the listing keeps its size.
    setFontSize(textSize);
    page.print(QString(), true);
    const int threeFifths = pageWidth() * 3;
    for (qsizetype i = 0; i < prog.size(); ++i) {
        page.setCurrentX(threeFifths / 5.0);
        printword(page, prog.mid(i, 1));
        page.print(QString(), true);
    }
}

QString pdfFileName(const QString& name, int copy) {
    // One plain file in the writer's directory; ".pdf" on the end keeps it from ever being a
    // program file. A later copy's number fits within the name's bytes too.
    const QString suffix = (copy > 1 ? QStringLiteral(" ") + QString::number(copy) : QString()) +
                           QStringLiteral(".pdf");
    QString safe = platform::plainName(name, platform::longestNameBytes - suffix.size());
    if (safe.isEmpty()) safe = QStringLiteral("program");
    return safe + suffix;
}

}  // namespace PrinterSupport
