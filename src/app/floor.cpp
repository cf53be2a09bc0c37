#include "app/variables.h"
#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/screen.h"
#include "simulation/Module2.h"

using namespace variables;

void GraphicsWindow::findlimits() {
    leftedge = platform::screen().twipsPerPixelX * 10;
    rightedge = leftedge + static_cast<double>(cellsize) * Module2::columncount();
    topedge = progname.twips.top() + progname.twips.height() + gapy;
    topedge += Module2::spaceabove();
    bottomedge = topedge + static_cast<double>(cellsize) * Module2::rowcount();
}

void GraphicsWindow::drawboundary() {
    platform::Surface& floor = surface();
    floor.cls();
    floor.setDrawWidth(5);
    floor.setDrawColor(Qt::black);
    findlimits();
    lessons::drawFloor();
    floor.line(leftedge, topedge, rightedge, topedge);
    floor.line(leftedge, topedge, leftedge, bottomedge);
    floor.line(rightedge, topedge, rightedge, bottomedge);
    floor.line(leftedge, bottomedge, rightedge, bottomedge);
}

void GraphicsWindow::drawgrid() {
    platform::Surface& floor = surface();
    floor.setDrawWidth(1);
    floor.setDrawStyle(platform::PenStyle::Dotted);
    floor.setDrawColor(Qt::black);
    // Cell offsets are computed wider than 16 bits: on a screen of 2560 pixels or more the
    // floor is wider than 32767 twips.
    const int columns = toInteger(Module2::columncount());
    for (int c = 0; c <= columns; ++c) {
        const double x = leftedge + static_cast<double>(c) * cellsize;
        floor.line(x, topedge, x, bottomedge);
    }
    const int rows = toInteger(Module2::rowcount());
    for (int r = 0; r <= rows; ++r) {
        const double y = topedge + static_cast<double>(r) * cellsize;
        floor.line(leftedge, y, rightedge, y);
    }
}
