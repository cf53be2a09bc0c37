#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace platform {

// A bitmap resource: its picture at its natural size and, where the resources have one, a
// twin at twice the resolution for screens with a device pixel ratio of 2. The twin is decoded
// only when such a screen first needs it: decoding every twin was a third of start-up.
struct Picture {
    QImage normal;
    int id = 0;

    bool isNull() const { return normal.isNull(); }
    // The natural size, in pixels.
    int width() const { return normal.width(); }
    int height() const { return normal.height(); }
    // The sharpest image for a device with this pixel ratio.
    QImage forPixelRatio(double ratio) const;
};

// Bitmap resource by number; a null picture when there is none.
Picture bitmap(int id);

// The picture as an icon, with its twin where a screen has a pixel ratio above 1.
QIcon icon(const Picture& picture);

// String resource by number; empty when there is none.
QString resourceString(int id);

}  // namespace platform
