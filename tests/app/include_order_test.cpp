#include <gtest/gtest.h>

#include <QString>

// Xlib's True and False are macros; the shared state must still compile after it (Qt's own
// headers must come first).
#include <X11/Xlib.h>

#include "app/variables.h"

TEST(SharedState, BooleansAreMinusOneAndZeroWithXlibIncludedFirst) {
    EXPECT_EQ(variables::yes, -1);
    EXPECT_EQ(variables::no, 0);
}
