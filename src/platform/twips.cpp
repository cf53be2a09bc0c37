#include "platform/twips.h"

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
    widget_.setGeometry(pixels(left_, metrics.twipsPerPixelX), pixels(top_, metrics.twipsPerPixelY),
                        w, h);
}

}  // namespace platform
