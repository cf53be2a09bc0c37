#include "support/marlo_fixture.h"

#include "platform/screen.h"

void resetVariables() {
    using namespace variables;
    prog.clear();
    xpos = ypos = oldx = oldy = heading = targetx = targety = 0;
    crashed = running = saved = False;
    author.clear();
    programname.clear();
    fileheader.clear();
    leftedge = rightedge = topedge = bottomedge = 0;
    buttonwidth = buttonheight = gapx = gapy = cellsize = 0;
}

void startMarlo(int widthPixels, int heightPixels, double twipsPerPixelX, double twipsPerPixelY) {
    platform::useFixedScreen(widthPixels, heightPixels, twipsPerPixelX, twipsPerPixelY);
    graphics();
}

void MarloTest::TearDown() {
    unloadWindows();
    platform::useRealScreen();
}
