#include "support/marlo_fixture.h"

#include "support/fakes.h"

void useScreen(int widthPixels, int heightPixels, double twipsPerPixelX, double twipsPerPixelY,
               int originX, int originY) {
    static FixedScreen fixed;
    fixed.metrics = {widthPixels * twipsPerPixelX,
                     heightPixels * twipsPerPixelY,
                     twipsPerPixelX,
                     twipsPerPixelY,
                     originX,
                     originY};
    platform::replaceSeam<platform::Screens>(&fixed);
}

void startMarlo(int widthPixels, int heightPixels, double twipsPerPixelX, double twipsPerPixelY) {
    useScreen(widthPixels, heightPixels, twipsPerPixelX, twipsPerPixelY);
    graphics();
}

void MarloTest::TearDown() {
    unloadWindows();
    platform::replaceSeam<platform::Screens>(nullptr);
}
