#include "app/status.h"
#include "platform/resources.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"
#include "support/scripted_dispatch.h"

using namespace variables;
using Module2::centrex;
using Module2::centrey;

namespace {

class RunTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
    }

    void run(const QString& program) {
        prog = program;
        buttons().go.click();
    }

    // The blue segments of the trail, in the order they were drawn.
    static std::vector<platform::Line> trail() {
        std::vector<platform::Line> lines;
        for (const platform::Command& command : graphics().surface().commands())
            if (const auto* line = std::get_if<platform::Line>(&command))
                if (line->pen.colour == QColor(0, 0, 255)) lines.push_back(*line);
        return lines;
    }

    static QImage robotPicture() {
        const auto& commands = graphics().P2.surface().commands();
        return std::get<platform::PictureAt>(commands.back()).picture.normal;
    }

    ScriptedDispatch dispatch;
    UsingFake<platform::EventDispatch> fakeDispatch{dispatch};
    RecordingBeeper beeper;
    UsingFake<platform::Beeper> fakeBeeper{beeper};
};

TEST_F(RunTest, ThreeForwardsDrawThreeSegmentsUpAndFinishAfterFourWaits) {
    run("FFF");
    const std::vector<platform::Line> segments = trail();
    ASSERT_EQ(segments.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(segments[i].from, QPointF(centrex(8), centrey(6 - i)));
        EXPECT_EQ(segments[i].to, QPointF(centrex(8), centrey(7 - i)));
        EXPECT_EQ(segments[i].pen.widthPixels, 5);
    }
    EXPECT_EQ(ypos, 4);
    EXPECT_EQ(graphics().P2.twips.top(), centrey(4) - 17.5 * 15);
    EXPECT_EQ(dispatch.ticks, 4 * 8);
    EXPECT_EQ(currentStatus(), "finished");
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(running, False);
    for (const ListingRow& row : listingRows()) EXPECT_FALSE(row.wordEmphasised);
}

TEST_F(RunTest, LeftThenForwardTurnsThePictureWestAndMovesOneSquareLeft) {
    run("LF");
    EXPECT_EQ(robotPicture(), platform::bitmap(111).normal);
    EXPECT_EQ(xpos, 7);
    EXPECT_EQ(ypos, 7);
    EXPECT_EQ(graphics().P2.twips.left(), centrex(7) - 17.5 * 15);
    // The turn's segment has no length.
    EXPECT_EQ(trail()[0].from, trail()[0].to);
}

TEST_F(RunTest, EachStepEmphasisesItsCommandInTheListing) {
    std::vector<bool> emphasisedAtStep3;
    dispatch.atTick(ScriptedDispatch::waitBefore(3) + 1, [&] {
        for (const ListingRow& row : listingRows()) emphasisedAtStep3.push_back(row.wordEmphasised);
    });
    run("FRF");
    EXPECT_EQ(emphasisedAtStep3, (std::vector<bool>{false, true, false}));
}

TEST_F(RunTest, CrashEndsTheRunAtOnceWithoutAVerdict) {
    // Two columns: home is the last one, so turning right and going forwards leaves the floor.
    graphics().twips.setWidth(3 * cellsize);
    ASSERT_EQ(Module2::columncount(), 2);
    bool emphasisGoneAtOnce = false;
    run("RFFF");
    emphasisGoneAtOnce = true;
    for (const ListingRow& row : listingRows()) emphasisGoneAtOnce &= !row.wordEmphasised;
    EXPECT_TRUE(emphasisGoneAtOnce);
    EXPECT_EQ(currentStatus(), "crashed!");
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(dispatch.ticks, 2 * 8);  // steps 3 and 4 pass without waiting
    EXPECT_EQ(xpos, 1);
    EXPECT_EQ(trail().size(), 2u);
    EXPECT_EQ(running, False);
}

TEST_F(RunTest, AnyButtonDuringAWaitStopsTheRunAfterThatWait) {
    const struct {
        const char* name;
        std::function<void()> press;
    } presses[] = {
        {"go", [] { buttons().go.click(); }},
        {"forwards", [] { buttons().forwards.click(); }},
        {"clear", [] { buttons().clear.click(); }},
        {"aim", [] { graphics().aim.click(); }},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.name);
        dispatch = ScriptedDispatch{};
        beeper.beeps = 0;
        QString statusAtPress;
        dispatch.atTick(ScriptedDispatch::waitBefore(2) + 3, [&] {
            p.press();
            statusAtPress = currentStatus();
        });
        run("FFF");
        EXPECT_EQ(statusAtPress, "stopped!");
        EXPECT_EQ(currentStatus(), "stopped!");
        EXPECT_EQ(prog, "FFF");
        EXPECT_EQ(dispatch.ticks, 2 * 8);
        EXPECT_EQ(ypos, 6);
        EXPECT_EQ(beeper.beeps, 0);
        EXPECT_EQ(running, False);
        EXPECT_TRUE(graphics().target.isHidden());
    }
}

TEST_F(RunTest, StopDuringTheLastWaitIsReplacedByTheVerdict) {
    QString statusAtPress;
    dispatch.atTick(ScriptedDispatch::waitBefore(2) + 2, [&] {
        buttons().pause.click();
        statusAtPress = currentStatus();
    });
    run("F");
    EXPECT_EQ(statusAtPress, "stopped!");
    EXPECT_EQ(currentStatus(), "finished");
    EXPECT_EQ(prog, "F");
}

TEST_F(RunTest, TargetVerdictsDependOnTheFinalSquare) {
    const struct {
        int targetColumn;
        QString verdict;
        int beeps;
    } cases[] = {{8, "well done!", 1}, {9, "missed!", 0}};
    for (const auto& c : cases) {
        beeper.beeps = 0;
        targetx = static_cast<std::int16_t>(c.targetColumn);
        targety = 5;
        graphics().target.show();
        run("FF");
        EXPECT_EQ(currentStatus(), c.verdict);
        EXPECT_EQ(beeper.beeps, c.beeps);
    }
}

TEST_F(RunTest, EmptyProgramWaitsOnceAndJudgesTheHomeSquare) {
    QString statusDuringWait;
    dispatch.atTick(1, [&] { statusDuringWait = currentStatus(); });
    run("");
    EXPECT_EQ(statusDuringWait, "running");
    EXPECT_EQ(dispatch.ticks, 8);
    EXPECT_EQ(currentStatus(), "finished");

    // A target aimed while the robot stood elsewhere may fall on the home square.
    targetx = 8;
    targety = 7;
    graphics().target.show();
    run("");
    EXPECT_EQ(currentStatus(), "well done!");
}

TEST_F(RunTest, SameProgramTwiceDrawsTheSameFloorAndEndsTheSame) {
    run("FRFFLB");
    const auto first = graphics().surface().commands().size();
    const QPointF end(xpos, ypos);
    run("FRFFLB");
    EXPECT_EQ(graphics().surface().commands().size(), first);
    EXPECT_EQ(QPointF(xpos, ypos), end);
    EXPECT_EQ(currentStatus(), "finished");
}

}  // namespace
