#include "layout/design.h"

#include <QPixmap>

#include "platform/resources.h"
#include "platform/screen.h"

namespace design {

QIcon applicationIcon() {
    const platform::Picture robot = platform::bitmap(108);
    QIcon icon(QPixmap::fromImage(robot.normal));
    if (!robot.doubled.isNull()) icon.addPixmap(QPixmap::fromImage(robot.doubled));
    return icon;
}

void setClientArea(platform::Window& window, double widthTwips, double heightTwips) {
    const platform::ScreenMetrics screen = platform::screen();
    window.twips.setWidth(widthTwips + 2 * screen.twipsPerPixelX);
    window.twips.setHeight(heightTwips + 2 * screen.twipsPerPixelY);
}

}  // namespace design
