#include "layout/windows.h"
#include "platform/screen.h"

void GraphicsWindow::HideTarget() {
    const platform::ScreenMetrics screen = platform::screen();
    target.twips.setWidth(screen.twipsPerPixelX * 35);
    target.twips.setHeight(screen.twipsPerPixelY * 35);
    target.hide();
}
