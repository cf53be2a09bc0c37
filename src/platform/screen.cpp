#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/services.h"
#include "platform/twips.h"

namespace platform {

namespace {

class QtScreens final : public Screens {
  public:
    ScreenMetrics primary() override {
        ScreenMetrics metrics;
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) return metrics;
        // Twips per pixel follow the logical dots per inch: 15 at 96, 12 at 120, 7.5 at 192.
        metrics.twipsPerPixelX = twipsPerInch / screen->logicalDotsPerInchX();
        metrics.twipsPerPixelY = twipsPerInch / screen->logicalDotsPerInchY();
        // The whole display, not just the part the desktop's panels leave free.
        metrics.width = screen->geometry().width() * metrics.twipsPerPixelX;
        metrics.height = screen->geometry().height() * metrics.twipsPerPixelY;
        metrics.originX = screen->geometry().x();
        metrics.originY = screen->geometry().y();
        return metrics;
    }
};

}  // namespace

template <>
Screens& production<Screens>() {
    static QtScreens service;
    return service;
}

ScreenMetrics screen() {
    return seam<Screens>().primary();
}

}  // namespace platform
