#include "app/variables.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/screen.h"

namespace variables {

State state;

void resetAll() {
    state = State{};
}

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
