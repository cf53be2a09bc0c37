#include <QElapsedTimer>
#include <set>

#include "app/status.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

class TargetTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
    }
    SeededRandom random;
    UsingFake<platform::RandomSource> fakeRandom{random};
};

TEST_F(TargetTest, MarkerSitsCentredOnASquareThatIsNeverTheRobots) {
    std::set<std::pair<int, int>> drawn;
    for (int i = 0; i < 5000; ++i) {
        graphics().aim.click();
        ASSERT_FALSE(targetx == xpos && targety == ypos);
        drawn.insert({targetx, targety});
    }
    EXPECT_EQ(random.reseeds, 5000);
    // Every square but the robot's turns up.
    EXPECT_EQ(drawn.size(), static_cast<size_t>(16 * 15 - 1));
    const auto& marker = graphics().target.twips;
    EXPECT_EQ(marker.left() + marker.width() / 2, Module2::centrex(targetx));
    EXPECT_EQ(marker.top() + marker.height() / 2, Module2::centrey(targety));
    EXPECT_EQ(marker.width(), 525);
    EXPECT_FALSE(graphics().target.isHidden());

    graphics().target_Click();
    EXPECT_TRUE(graphics().target.isHidden());

    // Once the robot has moved, its home square may be drawn.
    xpos = 0;
    ypos = 0;
    bool home = false;
    for (int i = 0; i < 5000 && !home; ++i) {
        graphics().aim.click();
        home = targetx == Module2::homecolumn() && targety == Module2::homerow();
    }
    EXPECT_TRUE(home);
}

TEST_F(TargetTest, DuringARunTheButtonAndTheMarkerOnlyStopIt) {
    graphics().aim.click();
    const std::pair<int, int> square{targetx, targety};
    for (const auto& press : {std::function<void()>([] { graphics().aim.click(); }),
                              std::function<void()>([] { graphics().target_Click(); })}) {
        running = True;
        press();
        EXPECT_EQ(running, False);
        EXPECT_EQ(currentStatus(), "stopped!");
        EXPECT_EQ((std::pair<int, int>{targetx, targety}), square);
        EXPECT_FALSE(graphics().target.isHidden());
    }
}

// With no square apart from the robot's, the search for one would never end.
TEST_F(TargetTest, FloorOfOneSquareGetsNoTargetAndDoesNotHang) {
    GraphicsWindow& main = graphics();
    main.twips.setWidth(1.5 * cellsize);
    main.load.twips.setTop(main.progname.twips.top() + main.progname.twips.height() +
                           1.5 * cellsize);
    ASSERT_EQ(Module2::columncount() * Module2::rowcount(), 1);
    QElapsedTimer clock;
    clock.start();
    main.aim.click();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(main.target.isHidden());
}

}  // namespace
