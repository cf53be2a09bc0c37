#include "app/variables.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/screen.h"

namespace variables {

QString prog;

std::int16_t xpos = 0;
std::int16_t ypos = 0;
std::int16_t oldx = 0;
std::int16_t oldy = 0;
std::int16_t heading = 0;
std::int16_t targetx = 0;
std::int16_t targety = 0;

Boolean crashed = False;
Boolean running = False;
Boolean saved = False;

QString author;
QString programname;
QString fileheader;

double leftedge = 0;
double rightedge = 0;
double topedge = 0;
double bottomedge = 0;

std::int16_t buttonwidth = 0;
std::int16_t buttonheight = 0;
std::int16_t gapx = 0;
std::int16_t gapy = 0;
std::int16_t cellsize = 0;

std::int16_t toInteger(double value) {
    // nearbyint rounds in the current mode, which is to nearest with halves to even;
    // std::round would send 292.5 to 293 instead of 292.
    const double rounded = std::nearbyint(value);
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(rounded, lowest, highest));
}

void setsizes() {
    const platform::ScreenMetrics screen = platform::screen();
    gapx = toInteger(screen.twipsPerPixelX * 10);
    gapy = toInteger(screen.twipsPerPixelY * 10);
    buttonwidth = toInteger(screen.twipsPerPixelX * 102);
    buttonheight = toInteger(screen.twipsPerPixelY * 102);
    // Cells are square: the horizontal factor serves both directions.
    cellsize = toInteger(screen.twipsPerPixelX * 39);
}

}  // namespace variables
