#include "app/stop_rule.h"
#include "app/variables.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "lessons/play.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "simulation/Module2.h"

using namespace variables;

void GraphicsWindow::aim_Click() {
    if (stopsRun()) return;
    // A floor of one free square (or none) has no square apart from the robot's: the search for
    // one would never end, so there is no target to be had there.
    if (Module2::columncount() * Module2::rowcount() - lessons::obstacleCount() < 2) return;
    platform::seam<platform::RandomSource>().reseedFromClock();
    randomtarget();
    showtarget();
    target.show();
}

void GraphicsWindow::randomtarget() {
    platform::RandomSource& random = platform::seam<platform::RandomSource>();
    // Any square but the one the robot stands on now, all equally likely; never a lesson's
    // obstacle, which the robot could not reach.
    do {
        targetx = static_cast<std::int16_t>(random.next() * Module2::columncount());
        targety = static_cast<std::int16_t>(random.next() * Module2::rowcount());
    } while ((targetx == xpos && targety == ypos) || lessons::isObstacle(targetx, targety));
}

void GraphicsWindow::showtarget() {
    target.twips.setLeft(Module2::centrex(targetx) - target.twips.width() / 2);
    target.twips.setTop(Module2::centrey(targety) - target.twips.height() / 2);
}

void GraphicsWindow::HideTarget() {
    const platform::ScreenMetrics screen = platform::screen();
    target.twips.setWidth(screen.twipsPerPixelX * design::markerPixels);
    target.twips.setHeight(screen.twipsPerPixelY * design::markerPixels);
    target.hide();
}

void GraphicsWindow::target_Click() {
    if (stopsRun()) return;
    HideTarget();
}
