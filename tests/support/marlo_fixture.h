#pragma once

#include <gtest/gtest.h>

#include "app/variables.h"
#include "layout/windows.h"
#include "support/qt_printers.h"

// Lays MARLO out on a fixed screen of the given size in pixels, placed at the given point of
// the desktop.
void useScreen(int widthPixels, int heightPixels, double twipsPerPixelX, double twipsPerPixelY,
               int originX = 0, int originY = 0);

// Starts MARLO on a fixed screen, as its start-up window's load handler does.
void startMarlo(int widthPixels = 1024, int heightPixels = 768, double twipsPerPixelX = 15,
                double twipsPerPixelY = 15);

// Each test starts from a fresh process state and leaves no windows behind.
class MarloTest : public testing::Test {
  protected:
    void SetUp() override { variables::resetAll(); }
    void TearDown() override;
};

// The same, with MARLO started on the 1024 x 768 screen.
class StartedMarloTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
    }
};
