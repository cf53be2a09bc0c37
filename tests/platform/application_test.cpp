#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <optional>

#include "platform/application.h"

namespace {

void setOrUnset(const char* name, const char* value) {
    if (value != nullptr)
        qputenv(name, value);
    else
        qunsetenv(name);
}

// The platform Qt is asked for after the choice, given the display variables; the
// application already exists, so changing them here affects nothing else.
std::optional<QByteArray> chosenWith(const char* wayland, const char* x11, const char* chosen) {
    setOrUnset("WAYLAND_DISPLAY", wayland);
    setOrUnset("DISPLAY", x11);
    setOrUnset("QT_QPA_PLATFORM", chosen);
    platform::preferPlaceableWindows();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return std::nullopt;
    return qgetenv("QT_QPA_PLATFORM");
}

TEST(PreferPlaceableWindows, WaylandWithXWaylandTriesX11FirstAndKeepsWaylandAsFallback) {
    EXPECT_EQ(chosenWith("wayland-0", ":0", nullptr), QByteArray("xcb;wayland"));
}

TEST(PreferPlaceableWindows, LeavesTheChoiceAloneWhereItIsNotNeededOrAlreadyMade) {
    EXPECT_EQ(chosenWith(nullptr, ":0", nullptr), std::nullopt);
    EXPECT_EQ(chosenWith("wayland-0", nullptr, nullptr), std::nullopt);
    EXPECT_EQ(chosenWith("wayland-0", ":0", "offscreen"), QByteArray("offscreen"));
}

}  // namespace
