#pragma once

namespace platform {

// The whole display in twips, and how many twips make one device-independent pixel.
struct ScreenMetrics {
    double width = 0;
    double height = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
};

// The screen MARLO lays itself out on: the real primary screen, or the fixed one a test chose.
ScreenMetrics screen();

// Makes screen() answer with a fixed screen of the given size in pixels.
void useFixedScreen(int widthPixels, int heightPixels, double twipsPerPixelX,
                    double twipsPerPixelY);
void useRealScreen();

}  // namespace platform
