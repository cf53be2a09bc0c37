#include <gtest/gtest.h>

#include <QByteArray>

#include "platform/application.h"

namespace {

// Under Wayland with XWayland, X11 goes first so windows can be placed, and Wayland stays as
// the fallback; without both, or with a platform already chosen, the choice is left alone.
TEST(PreferPlaceableWindows, TriesX11FirstOnlyUnderWaylandWithXWayland) {
    const char* names[] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
    // The three variables before, then the platform asked for after.
    const char* cases[][4] = {
        {"wayland-0", ":0", nullptr, "xcb;wayland"},
        {nullptr, ":0", nullptr, nullptr},
        {"wayland-0", nullptr, nullptr, nullptr},
        {"wayland-0", ":0", "offscreen", "offscreen"},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i) c[i] != nullptr ? qputenv(names[i], c[i]) : qunsetenv(names[i]);
        platform::preferPlaceableWindows();
        EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray(c[3])) << c[0] << " " << c[1];
    }
}

}  // namespace
