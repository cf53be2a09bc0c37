#include "layout/design.h"

#include <QApplication>

#include "platform/resources.h"
#include "platform/screen.h"

namespace design {

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Base);
}

QColor windowText() {
    return QApplication::palette().color(QPalette::Text);
}

QIcon applicationIcon() {
    return platform::icon(platform::bitmap(108));
}

void setClientArea(platform::Window& window, double widthTwips, double heightTwips) {
    const platform::ScreenMetrics screen = platform::screen();
    window.twips.setWidth(widthTwips + 2 * screen.twipsPerPixelX);
    window.twips.setHeight(heightTwips + 2 * screen.twipsPerPixelY);
}

}  // namespace design
