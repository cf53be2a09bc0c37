#include "layout/design.h"

#include <QApplication>
#include <QPixmap>

#include "platform/screen.h"

namespace design {

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Base);
}

QColor windowText() {
    return QApplication::palette().color(QPalette::Text);
}

QIcon applicationIcon() {
    // The same pictures the desktop's hicolor theme gets, so the window matches its launcher.
    // Decoded as the PNGs they are: QIcon::addFile first asks every image plugin whether it
    // can read a file, which loads them all at start-up.
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap(QStringLiteral(":/icons/hicolor/%1x%1/apps/marlo.png").arg(size)));
    return icon;
}

void setClientArea(platform::Window& window, double widthTwips, double heightTwips) {
    const platform::ScreenMetrics screen = platform::screen();
    window.twips.setWidth(widthTwips + 2 * screen.twipsPerPixelX);
    window.twips.setHeight(heightTwips + 2 * screen.twipsPerPixelY);
}

}  // namespace design
