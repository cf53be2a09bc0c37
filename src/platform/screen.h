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

// The screen MARLO lays itself out on: the real primary screen, or the fixed one a test chose.
ScreenMetrics screen();

// Makes screen() answer with a fixed screen of the given size in pixels.
void useFixedScreen(int widthPixels, int heightPixels, double twipsPerPixelX, double twipsPerPixelY,
                    int originX = 0, int originY = 0);
void useRealScreen();

}  // namespace platform
