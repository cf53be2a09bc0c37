#include <set>

#include "simulation/Module2.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

using TargetTest = MarloTest;

// The square excluded is where the robot stands now, not its home. Clicking the marker during
// a run only stops it; otherwise the click hides the marker.
TEST_F(TargetTest, MarkerSitsCentredOnAnySquareButTheRobotsAndAClickHidesIt) {
    for (const int column : {8, 0}) {
        xpos = column;
        std::set<std::pair<int, int>> drawn;
        for (int i = 0; i < 5000; ++i) {
            graphics().aim.click();
            drawn.insert({targetx, targety});
        }
        EXPECT_EQ(drawn.size(), 16u * 15 - 1) << column;
        EXPECT_FALSE(drawn.contains({xpos, ypos})) << column;
    }
    EXPECT_EQ(random.reseeds, 10000);
    const auto& marker = graphics().target.twips;
    EXPECT_EQ(marker.left() + marker.width() / 2, Module2::centrex(targetx));
    EXPECT_EQ(marker.top() + marker.height() / 2, Module2::centrey(targety));
    running = yes;
    graphics().target_Click();
    expectSeen({.status = "stopped!", .running = false});
    EXPECT_FALSE(graphics().target.isHidden());
    graphics().target_Click();
    EXPECT_TRUE(graphics().target.isHidden());
}

// With no square apart from the robot's, the search for one would never end.
TEST_F(TargetTest, FloorOfOneSquareGetsNoTargetAndDoesNotHang) {
    GraphicsWindow& main = graphics();
    main.twips.setWidth(1.5 * cellsize);
    main.load.twips.setTop(main.progname.twips.top() + main.progname.twips.height() +
                           1.5 * cellsize);
    ASSERT_EQ(Module2::columncount() * Module2::rowcount(), 1);
    main.aim.click();
    EXPECT_TRUE(main.target.isHidden());
}

}  // namespace
