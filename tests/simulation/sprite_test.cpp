#include "app/status.h"
#include "platform/resources.h"
#include "simulation/Module2.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

// The picture the robot box shows now: the last one painted into it.
QImage robotPicture() {
    const auto& commands = graphics().P2.surface().commands();
    for (auto it = commands.rbegin(); it != commands.rend(); ++it)
        if (const auto* picture = std::get_if<platform::PictureAt>(&*it))
            return picture->picture.normal;
    return {};
}

class SpriteTest : public MarloTest {};

TEST_F(SpriteTest, RobotStartsFacingUpCentredOnItsHomeCell) {
    startMarlo();
    EXPECT_EQ(graphics().P2.twips.left(), 4860);
    EXPECT_EQ(graphics().P2.twips.top(), 5530);
    EXPECT_EQ(robotPicture(), platform::bitmap(108).normal);
    EXPECT_EQ(crashed, False);
}

TEST_F(SpriteTest, TurningLeftShowsTheWestPictureOnTheSameCell) {
    startMarlo();
    Module2::docommand("L");
    Module2::drawrobot();
    EXPECT_EQ(robotPicture(), platform::bitmap(111).normal);
    EXPECT_EQ(graphics().P2.twips.left(), 4860);
    EXPECT_EQ(graphics().P2.twips.top(), 5530);
}

// Unequal factors catch an x and y mix-up: each offset uses its own direction's pixel size.
TEST_F(SpriteTest, SpriteFollowsTheRobotAndTwinsAreSharperPictures) {
    startMarlo(1024, 768, 15, 12);
    xpos = 0;
    ypos = 2;
    Module2::drawrobot();
    EXPECT_EQ(graphics().P2.twips.left(), leftedge + 0.5 * cellsize - 17.5 * 15);
    EXPECT_EQ(graphics().P2.twips.top(), topedge + 2.5 * cellsize - 17.5 * 12);
    for (int id = 108; id <= 111; ++id) {
        const platform::Picture picture = platform::bitmap(id);
        EXPECT_EQ(picture.doubled.size(), QSize(70, 70)) << id;
        EXPECT_EQ(&picture.forPixelRatio(2), &picture.doubled);
    }
}

TEST_F(SpriteTest, ResetfloorWipesTheTrailEmptiesTheStatusAndSendsTheRobotHome) {
    startMarlo();
    const size_t floorOnly = graphics().surface().commands().size();
    Module2::setuptrail();
    EXPECT_EQ(graphics().surface().pen(), (platform::Pen{QColor(0, 0, 255), 5}));
    graphics().surface().line(5122.5, 5792.5, 5122.5, 5207.5);
    xpos = 3;
    ypos = 2;
    heading = 3;
    crashed = True;
    showStatus("crashed!");

    Module2::resetfloor();
    EXPECT_EQ(graphics().surface().commands().size(), floorOnly);
    for (const platform::Command& command : graphics().surface().commands())
        EXPECT_NE(std::get<platform::Line>(command).pen.colour, QColor(0, 0, 255));
    EXPECT_EQ(currentStatus(), "");
    EXPECT_EQ(xpos, 8);
    EXPECT_EQ(ypos, 7);
    EXPECT_EQ(heading, 1);
    EXPECT_EQ(crashed, False);
    EXPECT_EQ(robotPicture(), platform::bitmap(108).normal);
}

}  // namespace
