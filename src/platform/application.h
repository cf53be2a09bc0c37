#pragma once

namespace platform {

// Chooses how Qt reaches the display before the application object exists: on Wayland a
// window cannot place itself, so MARLO asks for X11 (XWayland) first when it is there.
void preferPlaceableWindows();

}  // namespace platform
