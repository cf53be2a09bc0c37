#include <algorithm>
#include <cmath>

#include "access/access.h"
#include "app/variables.h"
#include "layout/windows.h"
#include "printing/PrinterSupport.h"

using variables::prog;

namespace {
// The row pitch the listing assumes, and the width of one leading space, in twips.
constexpr double rowPitch = 560;
constexpr double spaceWidth = 480;

platform::Surface& listingSurface() {
    return program().ProgramText.surface();
}
}  // namespace

void ButtonsWindow::printprog() {
    doprintprog(static_cast<int>(prog.size()) + 1);
}

void ButtonsWindow::doprintprog(int highlight) {
    const int length = static_cast<int>(prog.size());
    listrows = static_cast<int>(std::floor(program().ProgramText.twips.height() / rowPitch - 1));
    platform::Surface& listing = listingSurface();
    listing.cls();

    // The newest command stays in view while editing, the current one while running.
    if (listrows > length) {
        firstline = 1;
        lastline = length;
    } else {
        if (highlight < length)
            lastline = listrows >= highlight ? listrows + 1 : highlight;
        else
            lastline = length;
        firstline = std::max(1, lastline - listrows);
    }
    // Looking back over a long program, and the listing for screen readers: access/.
    a11y::listingRows(highlight, firstline, lastline);

    for (int i = firstline; i <= lastline; ++i) {
        // Past the end (a run with exactly listrows commands) the row holds spaces only.
        thisletter = i <= length ? prog.mid(i - 1, 1) : QString();
        leadingspaces();
        if (i == highlight) highlighton();
        PrinterSupport::printword(listing, thisletter);
        highlightoff();
        listing.print(QString(), true);
    }
}

int ButtonsWindow::leadingSpaceCount(double listingWidth) {
    // Halves go to the even neighbour.
    return static_cast<int>(std::nearbyint(listingWidth / spaceWidth));
}

void ButtonsWindow::leadingspaces() {
    const int count = leadingSpaceCount(program().ProgramText.twips.width());
    for (int space = 0; space < count; ++space) listingSurface().print(QStringLiteral(" "), false);
}

void ButtonsWindow::highlighton() {
    platform::FontChoice font = listingSurface().font();
    font.bold = true;
    font.underline = true;
    listingSurface().setFont(font);
}

void ButtonsWindow::highlightoff() {
    platform::FontChoice font = listingSurface().font();
    font.bold = false;
    font.underline = false;
    listingSurface().setFont(font);
}
