#include "app/status.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;
using Module2::checkcrash;
using Module2::docommand;

namespace {

class MotionTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
        running = True;
    }

    // One step of a run: the command, then the boundary.
    void obey(const QString& letter) {
        docommand(letter);
        checkcrash();
    }

    void expectCrashed(int column, int row, int expectedHeading) {
        EXPECT_EQ(xpos, column);
        EXPECT_EQ(ypos, row);
        EXPECT_EQ(heading, expectedHeading);
        EXPECT_EQ(crashed, True);
        EXPECT_EQ(running, False);
        EXPECT_EQ(currentStatus(), "crashed!");
        EXPECT_EQ(beeper.beeps, 1);
    }

    RecordingBeeper beeper;
    UsingFake<platform::Beeper> fakeBeeper{beeper};
};

TEST_F(MotionTest, WorkedExampleFloorIsSixteenBySixteenWithHomeInTheMiddle) {
    EXPECT_EQ(Module2::columncount(), 16);
    EXPECT_EQ(Module2::rowcount(), 15);
    EXPECT_EQ(Module2::homecolumn(), 8);
    EXPECT_EQ(Module2::homerow(), 7);
    EXPECT_DOUBLE_EQ(Module2::centrex(8), 5122.5);
    EXPECT_DOUBLE_EQ(Module2::centrey(7), 5792.5);
    EXPECT_EQ(xpos, 8);
    EXPECT_EQ(ypos, 7);
    EXPECT_EQ(heading, 1);
}

TEST_F(MotionTest, ColumnsAreWholeCellsLessHalfACellAndHomeIsRightOfTheMiddle) {
    graphics().twips.setWidth(10.4 * cellsize);
    EXPECT_EQ(Module2::columncount(), 9);
    EXPECT_EQ(Module2::homecolumn(), 4);
    graphics().twips.setWidth(10.6 * cellsize);
    EXPECT_EQ(Module2::columncount(), 10);
    EXPECT_EQ(Module2::homecolumn(), 5);
}

TEST_F(MotionTest, EighthForwardsFromHomeCrashesOnTheTopRow) {
    for (int i = 0; i < 7; ++i) obey("F");
    EXPECT_EQ(ypos, 0);
    EXPECT_EQ(crashed, False);
    EXPECT_EQ(beeper.beeps, 0);
    EXPECT_EQ(currentStatus(), "");
    obey("F");
    expectCrashed(8, 0, 1);
}

// Each edge clamps the robot back onto the edge square it tried to leave, keeping its heading.
TEST_F(MotionTest, StepOffEachEdgeCrashesOntoTheEdgeSquare) {
    const struct {
        const char* edge;
        int column, row, heading;
        const char* letter;
    } edges[] = {{"north", 4, 0, 1, "F"},           {"east", 15, 3, 2, "F"},
                 {"south", 6, 14, 3, "F"},          {"west", 0, 9, 4, "F"},
                 {"east backwards", 15, 2, 4, "B"}, {"south backwards", 3, 14, 1, "B"},
                 {"west backwards", 0, 5, 2, "B"}};
    for (const auto& e : edges) {
        SCOPED_TRACE(e.edge);
        xpos = static_cast<std::int16_t>(e.column);
        ypos = static_cast<std::int16_t>(e.row);
        heading = static_cast<std::int16_t>(e.heading);
        crashed = False;
        running = True;
        beeper.beeps = 0;
        obey(e.letter);
        expectCrashed(e.column, e.row, e.heading);
    }
}

TEST_F(MotionTest, MovesStepAlongTheHeadingAndBackwardsOpposite) {
    const struct {
        int heading;
        QString letter;
        int dx, dy;
    } moves[] = {{1, "F", 0, -1}, {2, "F", 1, 0},  {3, "F", 0, 1},  {4, "F", -1, 0},
                 {1, "B", 0, 1},  {2, "B", -1, 0}, {3, "B", 0, -1}, {4, "B", 1, 0}};
    for (const auto& move : moves) {
        SCOPED_TRACE(testing::Message()
                     << move.letter.toStdString() << " heading " << move.heading);
        xpos = 8;
        ypos = 7;
        heading = static_cast<std::int16_t>(move.heading);
        obey(move.letter);
        EXPECT_EQ(xpos, 8 + move.dx);
        EXPECT_EQ(ypos, 7 + move.dy);
        EXPECT_EQ(heading, move.heading);
    }
    EXPECT_EQ(crashed, False);
}

TEST_F(MotionTest, TurnsWrapRoundAndFourRightsComeBack) {
    obey("L");
    EXPECT_EQ(heading, 4);
    obey("R");
    EXPECT_EQ(heading, 1);
    heading = 4;
    obey("R");
    EXPECT_EQ(heading, 1);
    for (int i = 0; i < 4; ++i) obey("R");
    EXPECT_EQ(heading, 1);
    EXPECT_EQ(xpos, 8);
    EXPECT_EQ(ypos, 7);
}

TEST_F(MotionTest, OtherLettersChangeNothingEvenOnTheEdge) {
    xpos = 0;
    ypos = 0;
    for (const char* letter : {"P", "U", "D", "f", "", "FF"}) obey(QString::fromLatin1(letter));
    EXPECT_EQ(xpos, 0);
    EXPECT_EQ(ypos, 0);
    EXPECT_EQ(heading, 1);
    EXPECT_EQ(crashed, False);
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(MotionTest, MovingOntoEveryEdgeCellNeverCrashes) {
    heading = 2;
    for (int i = 0; i < 7; ++i) obey("F");  // to column 15, the last
    heading = 3;
    for (int i = 0; i < 7; ++i) obey("F");  // to row 14, the last
    heading = 4;
    for (int i = 0; i < 15; ++i) obey("F");  // to column 0
    EXPECT_EQ(xpos, 0);
    EXPECT_EQ(ypos, 14);
    EXPECT_EQ(crashed, False);
    EXPECT_EQ(beeper.beeps, 0);
    EXPECT_EQ(running, True);
}

}  // namespace
