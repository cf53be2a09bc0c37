#include "layout/design.h"

#include "platform/screen.h"

namespace design {

void setClientArea(platform::Window& window, double widthTwips, double heightTwips) {
    const platform::ScreenMetrics screen = platform::screen();
    window.twips.setWidth(widthTwips + 2 * screen.twipsPerPixelX);
    window.twips.setHeight(heightTwips + 2 * screen.twipsPerPixelY);
}

}  // namespace design
