#include <algorithm>
#include <cmath>

#include "app/variables.h"
#include "layout/windows.h"
#include "simulation/Module2.h"

using variables::cellsize;

namespace Module2 {

namespace {
// Whole cells that fit in a length, less half a cell; never fewer than none, so a tiny
// screen gives an empty floor rather than a negative one.
int cellsIn(double twips) {
    if (cellsize <= 0) return 0;
    return std::max(0, static_cast<int>(std::floor(twips / cellsize - 0.5)));
}
}  // namespace

int columncount() {
    return cellsIn(graphics().twips.width());
}

int rowcount() {
    const GraphicsWindow& main = graphics();
    return cellsIn(main.load.twips.top() - main.progname.twips.top() -
                   main.progname.twips.height());
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
