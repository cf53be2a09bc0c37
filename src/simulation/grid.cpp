#include <algorithm>
#include <cmath>

#include "app/variables.h"
#include "layout/windows.h"
#include "platform/screen.h"
#include "platform/single_instance.h"
#include "platform/twips.h"
#include "settings/settings.h"
#include "simulation/Module2.h"

using platform::single;
using variables::cellsize;

namespace Module2 {

namespace {
std::optional<FixedFloor> fixed;

// A school's floor stands wherever no lesson's does, in the class view's reports too.
std::optional<FixedFloor> inForce() {
    if (fixed) return fixed;
    if (const std::optional<settings::Floor>& school = settings::current().floor)
        return FixedFloor{school->columns, school->rows, 0};
    return std::nullopt;
}
std::int16_t screenCellsize = 0;

// Whole cells that fit in a length, less half a cell; never fewer than none, so a tiny
// screen gives an empty floor rather than a negative one.
int cellsIn(double twips) {
    if (cellsize <= 0) return 0;
    return std::max(0, static_cast<int>(std::floor(twips / cellsize - 0.5)));
}

// A process without MARLO's windows (the class view) gets the floor that the start-up
// layouts would give on this screen, computed as drawbuttons and drawmybits compute it,
// from setsizes' values and the main window's design.
bool laidOut() {
    return platform::SingleInstance<GraphicsWindow>::exists();
}

// The screen less the keypad window.
double mainWindowWidth() {
    using variables::buttonwidth;
    using variables::gapx;
    const double panel = single(variables::toInteger(4 * gapx + 3 * buttonwidth));
    const double keypad = single(2 * gapx + panel);
    return single(platform::screen().width) - single(keypad);
}

// From below the program name box down to the row of buttons.
double floorHeight() {
    constexpr float buttonHeight = 615, spaceBelowButtons = 500;
    constexpr double nameBoxTop = 450 + 250, nameBoxHeight = 555;
    const double buttonsTop = single(platform::screen().height) - buttonHeight - spaceBelowButtons;
    return buttonsTop - nameBoxTop - nameBoxHeight;
}
}  // namespace

int columncount() {
    if (const std::optional<FixedFloor> floor = inForce()) return floor->columns;
    if (!laidOut()) return cellsIn(mainWindowWidth());
    return cellsIn(graphics().twips.width());
}

int rowcount() {
    if (const std::optional<FixedFloor> floor = inForce()) return floor->rows;
    if (!laidOut()) return cellsIn(floorHeight());
    const GraphicsWindow& main = graphics();
    return cellsIn(main.load.twips.top() - main.progname.twips.top() -
                   main.progname.twips.height());
}

void fixfloor(const std::optional<FixedFloor>& floor) {
    if (!fixed) screenCellsize = cellsize;
    fixed = floor;
    if (!fixed) fixed = inForce();
    if (!fixed) {
        cellsize = screenCellsize;
        return;
    }
    // The band findlimits lays the floor in, with as much room on the right as on the left
    // and below as above.
    const GraphicsWindow& main = graphics();
    const double pixel = platform::screen().twipsPerPixelX;
    const double width = main.twips.width() - 2 * pixel - 20 * pixel;
    const double top =
        main.progname.twips.top() + main.progname.twips.height() + variables::gapy + fixed->above;
    const double height = main.load.twips.top() - variables::gapy - top;
    // Whole pixels, so the grid lines fall on pixels as the window's floor's do.
    const double side = std::min(width / fixed->columns, height / fixed->rows);
    cellsize = variables::toInteger(std::max(1.0, std::floor(side / pixel)) * pixel);
}

double spaceabove() {
    return fixed ? fixed->above : 0;
}

double centrex(double column) {
    return variables::leftedge + (column + 0.5) * cellsize;
}

double centrey(double row) {
    return variables::topedge + (row + 0.5) * cellsize;
}

int homecolumn() {
    return columncount() / 2;
}

int homerow() {
    return rowcount() / 2;
}

}  // namespace Module2
