#include <QDate>
#include <cmath>

#include "app/variables.h"
#include "layout/windows.h"
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

// The page's width in whole twips.
int pageWidth() {
    return static_cast<int>(std::nearbyint(printer().pageSize().width()));
}

void setFontSize(double points) {
    platform::FontChoice font = printer().font();
    font.points = points;
    printer().setFont(font);
}

// The crash and outcome words stand under the middle of the floor.
void belowTheFloor() {
    printer().setCurrentY(single(printy(Module2::rowcount()) + wordOffset));
    printer().setCurrentX(single(printx(Module2::columncount() / 2.0) - wordOffset));
}

}  // namespace

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

void printfloor() {
    platform::Surface& page = printer();
    page.setScaleMode(Scale::Twips);
    page.setDrawWidth(pathWidth);
    page.setDrawStyle(platform::PenStyle::Solid);
    page.setCurrentX(0);
    page.setCurrentY(0);
    heading = 1;
    ypos = toInteger(Module2::homerow());
    xpos = toInteger(Module2::homecolumn());
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
    printer().print(QStringLiteral("crashed!!"), true);
    crashed = yes;
}

void printtarget() {
    // Drawn without MARLO's windows (the class view), a program has no target.
    if (!platform::SingleInstance<GraphicsWindow>::exists() || graphics().target.isHidden()) return;
    const double half = printcell() / 2;
    printer().box(single(printx(targetx) - half), single(printy(targety) - half),
                  single(printx(targetx) + half), single(printy(targety) + half), false);
    if (crashed == yes || prog.isEmpty()) return;
    belowTheFloor();
    const bool onTarget = xpos == targetx && ypos == targety;
    printer().print(onTarget ? QStringLiteral("well done!") : QStringLiteral("missed"), true);
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
    page.setCurrentX(pageWidth() / 4.0);
    page.setCurrentY(200);
    setFontSize(nameSize);
    page.setScaleMode(Scale::Points);
    page.print(programname, false);
    // The smaller pieces sit a little lower, so the line reads as one.
    setFontSize(textSize);
    page.setCurrentY(page.currentY() + headerShift);
    page.print(QStringLiteral("  written by "), false);
    setFontSize(nameSize);
    page.setCurrentY(page.currentY() - headerShift);
    page.print(author, false);
    setFontSize(textSize);
    page.setCurrentY(page.currentY() + headerShift);
    const QDate today = platform::seam<platform::Calendar>().today();
    page.print(QStringLiteral(" on ") + today.toString(QStringLiteral("dd/MM/yyyy")), true);
}

void printlisting() {
    platform::Surface& page = printer();
    page.setScaleMode(Scale::Twips);
    page.print(QString(), true);
    const int threeFifths = pageWidth() * 3;
    for (qsizetype i = 0; i < prog.size(); ++i) {
        page.setCurrentX(threeFifths / 5.0);
        printword(page, prog.mid(i, 1));
        page.print(QString(), true);
    }
}

QString pdfFileName(const QString& name) {
    // One plain file in the writer's directory; ".pdf" on the end keeps it from ever being a
    // program file.
    const QString suffix = QStringLiteral(".pdf");
    QString safe = platform::plainName(name, platform::longestNameBytes - suffix.size());
    if (safe.isEmpty()) safe = QStringLiteral("program");
    return safe + suffix;
}

}  // namespace PrinterSupport
