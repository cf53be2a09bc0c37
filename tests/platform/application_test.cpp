#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <map>
#include <optional>

#include "platform/application.h"

namespace {

// Sets the display variables for one case and puts the process's own back afterwards.
class DisplayEnvironment {
  public:
    explicit DisplayEnvironment(const std::map<const char*, std::optional<QByteArray>>& values) {
        for (const auto& [name, value] : values) {
            saved_[name] =
                qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
    }
    ~DisplayEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
    }

  private:
    std::map<const char*, std::optional<QByteArray>> saved_;
};

std::optional<QByteArray> platformChosenWith(std::optional<QByteArray> wayland,
                                             std::optional<QByteArray> x11,
                                             std::optional<QByteArray> chosen) {
    DisplayEnvironment environment(
        {{"WAYLAND_DISPLAY", wayland}, {"DISPLAY", x11}, {"QT_QPA_PLATFORM", chosen}});
    platform::preferPlaceableWindows();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return std::nullopt;
    return qgetenv("QT_QPA_PLATFORM");
}

TEST(PreferPlaceableWindows, WaylandWithXWaylandTriesX11FirstAndKeepsWaylandAsFallback) {
    EXPECT_EQ(platformChosenWith("wayland-0", ":0", std::nullopt), QByteArray("xcb;wayland"));
}

TEST(PreferPlaceableWindows, LeavesTheChoiceAloneWhereItIsNotNeededOrAlreadyMade) {
    EXPECT_EQ(platformChosenWith(std::nullopt, ":0", std::nullopt), std::nullopt);
    EXPECT_EQ(platformChosenWith("wayland-0", std::nullopt, std::nullopt), std::nullopt);
    EXPECT_EQ(platformChosenWith("wayland-0", ":0", "offscreen"), QByteArray("offscreen"));
}

}  // namespace
