#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace platform {

namespace {
std::optional<ScreenMetrics> fixed;
}

ScreenMetrics screen() {
    if (fixed) return *fixed;
    ScreenMetrics metrics;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return metrics;
    // Twips per pixel follow the logical dots per inch: 15 at 96, 12 at 120, 7.5 at 192.
    metrics.twipsPerPixelX = 1440.0 / primary->logicalDotsPerInchX();
    metrics.twipsPerPixelY = 1440.0 / primary->logicalDotsPerInchY();
    // The whole display, not just the part the desktop's panels leave free.
    metrics.width = primary->geometry().width() * metrics.twipsPerPixelX;
    metrics.height = primary->geometry().height() * metrics.twipsPerPixelY;
    metrics.originX = primary->geometry().x();
    metrics.originY = primary->geometry().y();
    return metrics;
}

void useFixedScreen(int widthPixels, int heightPixels, double twipsPerPixelX, double twipsPerPixelY,
                    int originX, int originY) {
    fixed = ScreenMetrics{widthPixels * twipsPerPixelX,
                          heightPixels * twipsPerPixelY,
                          twipsPerPixelX,
                          twipsPerPixelY,
                          originX,
                          originY};
}

void useRealScreen() {
    fixed.reset();
}

}  // namespace platform
