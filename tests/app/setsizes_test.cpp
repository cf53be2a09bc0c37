#include "platform/screen.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

struct Sizes {
    int gapx, gapy, buttonwidth, buttonheight, cellsize;
    bool operator==(const Sizes&) const = default;
};

Sizes sizesAt(double twipsPerPixelX, double twipsPerPixelY) {
    platform::useFixedScreen(1024, 768, twipsPerPixelX, twipsPerPixelY);
    setsizes();
    return {gapx, gapy, buttonwidth, buttonheight, cellsize};
}

class SetsizesTest : public MarloTest {};

TEST_F(SetsizesTest, ScreenOf96DotsPerInchGivesFifteenTwipsPerPixelSizes) {
    EXPECT_EQ(sizesAt(15, 15), (Sizes{150, 150, 1530, 1530, 585}));
}

TEST_F(SetsizesTest, UnequalFactorsKeepCellsSquareWithTheHorizontalOne) {
    EXPECT_EQ(sizesAt(15, 12), (Sizes{150, 120, 1530, 1224, 585}));
    EXPECT_EQ(sizesAt(12, 12), (Sizes{120, 120, 1224, 1224, 468}));
}

// 7.5 x 39 = 292.5 must go to the even neighbour, 292; rounding away from zero gives 293.
TEST_F(SetsizesTest, HalvesRoundToTheEvenNeighbourOnA192DotScreen) {
    EXPECT_EQ(sizesAt(7.5, 7.5), (Sizes{75, 75, 765, 765, 292}));
    EXPECT_EQ(toInteger(293.5), 294);
    EXPECT_EQ(toInteger(-2.5), -2);
}

TEST_F(SetsizesTest, SizesBeyondSixteenBitsAreHeldInRange) {
    EXPECT_EQ(toInteger(1e9), 32767);
    EXPECT_EQ(toInteger(-1e9), -32768);
}

}  // namespace
