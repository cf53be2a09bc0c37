#pragma once

namespace platform {

// The whole display in twips, and how many twips make one device-independent pixel.
struct ScreenMetrics {
    double width = 0;
    double height = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    // Where the screen's top left corner lies on the desktop, in pixels: windows are placed
    // relative to it, so MARLO tiles the primary screen wherever the other monitors are.
    int originX = 0;
    int originY = 0;
};

// The screen MARLO lays itself out on; a test puts a fixed one in its place.
class Screens {
  public:
    virtual ~Screens() = default;
    virtual ScreenMetrics primary() = 0;
};

// The primary screen of the seam in use.
ScreenMetrics screen();

}  // namespace platform
