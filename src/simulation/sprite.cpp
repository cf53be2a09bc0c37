#include "access/access.h"
#include "app/status.h"
#include "app/variables.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "simulation/Module2.h"

using namespace variables;

namespace Module2 {

namespace {
constexpr int firstRobotPicture = 107;  // + heading: 108 up, 109 right, 110 down, 111 left
constexpr double halfSpritePixels = design::markerPixels / 2.0;
}  // namespace

void drawrobot() {
    GraphicsWindow& main = graphics();
    const platform::ScreenMetrics screen = platform::screen();
    // Painted before it moves, so it never shows the old heading on the new cell.
    main.P2.surface().paintPicture(platform::bitmap(firstRobotPicture + heading), 0, 0);
    main.P2.twips.setTop(centrey(ypos) - halfSpritePixels * screen.twipsPerPixelY);
    main.P2.twips.setLeft(centrex(xpos) - halfSpritePixels * screen.twipsPerPixelX);
    // Where the robot is, for screen readers: access/.
    a11y::floorChanged();
}

void gohome() {
    heading = 1;
    ypos = toInteger(homerow());
    xpos = toInteger(homecolumn());
    lessons::putAtStart();
    crashed = no;
    drawrobot();
}

void resetfloor() {
    graphics().drawboundary();
    graphics().drawgrid();
    showStatus(QString());
    gohome();
}

void setuptrail() {
    platform::Surface& floor = graphics().surface();
    floor.setDrawColor(design::blue);
    floor.setDrawWidth(5);
    floor.setDrawStyle(platform::PenStyle::Solid);
}

}  // namespace Module2
