#include "platform/twips.h"

#include <QPoint>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/screen.h"

namespace platform {

void TwipsGeometry::setLeft(double twips) {
    left_ = twips;
    apply();
}

void TwipsGeometry::setTop(double twips) {
    top_ = twips;
    apply();
}

void TwipsGeometry::setWidth(double twips) {
    width_ = twips;
    apply();
}

void TwipsGeometry::setHeight(double twips) {
    height_ = twips;
    apply();
}

void TwipsGeometry::set(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void TwipsGeometry::apply() {
    const ScreenMetrics metrics = screen();
    const auto pixels = [](double twips, double perPixel) {
        return static_cast<int>(std::lround(twips / perPixel));
    };
    // A negative width (a status label on a very narrow screen) shows as nothing.
    const int w = std::max(0, pixels(width_, metrics.twipsPerPixelX));
    const int h = std::max(0, pixels(height_, metrics.twipsPerPixelY));
    // Windows are placed on the screen MARLO lays itself out on, controls in their parent.
    const QPoint origin =
        widget_.isWindow() ? QPoint(metrics.originX, metrics.originY) : QPoint(0, 0);
    widget_.setGeometry(origin.x() + pixels(left_, metrics.twipsPerPixelX),
                        origin.y() + pixels(top_, metrics.twipsPerPixelY), w, h);
}

}  // namespace platform
