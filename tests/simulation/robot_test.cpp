#include <QGuiApplication>
#include <QStyleHints>

#include "app/status.h"
#include "platform/resources.h"
#include "simulation/Module2.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;
using namespace Module2;

namespace {

class RobotTest : public MarloTest {
  protected:
    // Mid-run on a square, with no crash, status or beep yet.
    void put(int column, int row, int towards) {
        xpos = column, ypos = row, heading = towards, crashed = no, running = yes;
        showStatus("");
        beeper.beeps = 0;
    }
    static void obey(const QString& letter) {
        docommand(letter);
        checkcrash();
    }
    static void run(const QString& program) {
        prog = program;
        buttons().go.click();
    }
    static std::vector<platform::Line> trail() {
        std::vector<platform::Line> lines;
        for (const platform::Command& command : graphics().surface().commands())
            if (const auto* line = std::get_if<platform::Line>(&command))
                if (line->pen.colour == QColor(0, 0, 255)) lines.push_back(*line);
        return lines;
    }
    // The sprite shows the robot's heading, centred on the robot's square.
    static void expectSprite() {
        const auto& shown =
            std::get<platform::PictureAt>(graphics().P2.surface().commands().back());
        EXPECT_EQ(shown.picture.normal, platform::bitmap(107 + heading).normal);
        const auto& at = graphics().P2.twips;
        EXPECT_EQ(QPointF(at.left(), at.top()) + QPointF(262.5, 262.5),
                  QPointF(centrex(xpos), centrey(ypos)));
    }
};

// Columns are whole cells less half a cell; with an even count home is right of the middle.
// Unequal twips per pixel catch an x and y mix-up in the sprite's offsets from its square's
// centre; the robot's place at 15 x 15 is in the layout tests.
TEST_F(RobotTest, ColumnsFollowTheWindowAndTheSpriteTheScreen) {
    for (const auto& [cells, columns, homeColumn] : {std::tuple{10.4, 9, 4}, {10.6, 10, 5}}) {
        graphics().twips.setWidth(cells * cellsize);
        EXPECT_EQ(columncount(), columns);
        EXPECT_EQ(homecolumn(), homeColumn);
    }
    screen.set(1024, 768, 15, 12);
    drawrobot();
    EXPECT_EQ(QPointF(graphics().P2.twips.left(), graphics().P2.twips.top()),
              QPointF(4860, 5792.5 - 17.5 * 12));
    for (int id = 108; id <= 111; ++id)
        EXPECT_EQ(platform::bitmap(id).forPixelRatio(2).size(), QSize(70, 70)) << id;
}

// From home, facing the edge, the last step onto it is safe and the next crashes back onto it.
TEST_F(RobotTest, EachHeadingReachesTheEdgeAndCrashesOffItForwardsAndBackwards) {
    const struct {
        int heading;
        const char* letter;
        int column, row;
    } steps[] = {{1, "F", 8, 0}, {2, "F", 15, 7}, {3, "F", 8, 14}, {4, "F", 0, 7},
                 {3, "B", 8, 0}, {4, "B", 15, 7}, {1, "B", 8, 14}, {2, "B", 0, 7}};
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.letter << " heading " << s.heading);
        put(8, 7, s.heading);
        for (int i = std::abs(s.column - 8) + std::abs(s.row - 7); i > 0; --i) obey(s.letter);
        expectSeen({.column = s.column, .row = s.row, .heading = s.heading, .crashed = false});
        obey(s.letter);
        expectSeen({.status = "crashed!",
                    .column = s.column,
                    .row = s.row,
                    .heading = s.heading,
                    .crashed = true,
                    .running = false,
                    .beeps = 1});
    }
}

// On the corner square, so a letter that moved the robot would crash it.
TEST_F(RobotTest, TurnsWrapAndOtherLettersChangeNothing) {
    const struct {
        int from;
        const char* letter;
        int to;
    } cases[] = {{1, "L", 4}, {4, "R", 1}, {2, "L", 1}, {3, "R", 4}, {1, "P", 1},
                 {1, "U", 1}, {1, "D", 1}, {1, "f", 1}, {4, "l", 4}, {1, "", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        put(0, 0, c.from);
        obey(c.letter);
        expectSeen({.column = 0, .row = 0, .heading = c.to, .crashed = false});
    }
}

// Each step waits first, and the run once more before its verdict. A button pressed during a
// wait stops the run after it, changing nothing else; in the last wait the verdict replaces
// "stopped!". The same run a second time ends the same.
TEST_F(RobotTest, RunsEndOnTheirSquareWithTheirVerdict) {
    const QPoint none(-1, -1);
    const struct {
        const char* program;
        QPoint target;
        QPushButton* press;  // during the last wait
        int waits, column, row, heading;
        const char* verdict;
        int beeps;
    } runs[] = {{"FFF", none, nullptr, 4, 8, 4, 1, "finished", 1},
                {"FRFFRB", none, nullptr, 7, 10, 5, 3, "finished", 1},
                {"", none, nullptr, 1, 8, 7, 1, "finished", 1},
                {"FF", {8, 5}, nullptr, 3, 8, 5, 1, "well done!", 1},
                {"FF", {9, 5}, nullptr, 3, 8, 5, 1, "missed!", 0},
                {"FFF", none, &buttons().forwards, 2, 8, 6, 1, "stopped!", 0},
                {"FFF", none, &buttons().pause, 4, 8, 4, 1, "finished", 1}};
    for (const auto& r : runs) {
        SCOPED_TRACE(testing::Message() << r.program << " " << r.verdict);
        targetx = r.target.x(), targety = r.target.y();
        graphics().target.setVisible(r.target != none);
        saved = yes;
        for (int time = 0; time < 2; ++time) {
            dispatch.restart();
            beeper.beeps = 0;
            QString inLastWait;
            dispatch.atTick(ScriptedDispatch::waitBefore(r.waits) + 3, [&] {
                if (r.press != nullptr) r.press->click();
                inLastWait = currentStatus();
            });
            run(r.program);
            expectSeen({.prog = r.program,
                        .saved = true,
                        .status = r.verdict,
                        .column = r.column,
                        .row = r.row,
                        .heading = r.heading,
                        .crashed = false,
                        .running = false,
                        .beeps = r.beeps});
            EXPECT_EQ(inLastWait, r.press != nullptr ? "stopped!" : "running");
            EXPECT_EQ(dispatch.ticks, 8 * r.waits);
            EXPECT_EQ(trail().size(), r.waits - 1u);
            EXPECT_TRUE(std::ranges::none_of(listingRows(), &ListingRow::wordEmphasised));
            expectSprite();
            EXPECT_EQ(graphics().target.isHidden(), r.target == none);
        }
    }
}

// A small hand double-clicks Go: a second press within the desktop's double-click interval
// of the one that started the run is part of it. A third press, or a second one later, stops.
TEST_F(RobotTest, GoPressedAgainWithinTheDoubleClickIntervalLetsTheRunGoOn) {
    QStyleHints* desktop = QGuiApplication::styleHints();
    const struct {
        int interval, presses;
        const char* end;
    } cases[] = {{60000, 1, "finished"}, {60000, 2, "stopped!"}, {0, 1, "stopped!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.presses << " within " << c.interval << " ms");
        desktop->setMouseDoubleClickInterval(c.interval);
        dispatch.restart();
        dispatch.atTick(3, [&] {
            for (int i = 0; i < c.presses; ++i) buttons().go.click();
        });
        run("FF");
        EXPECT_EQ(currentStatus(), c.end);
    }
}

TEST_F(RobotTest, ThreeForwardsDrawUpwardsEmphasisingEachStep) {
    std::vector<ListingRow> inThirdWait;
    dispatch.atTick(ScriptedDispatch::waitBefore(3) + 1, [&] { inThirdWait = listingRows(); });
    run("FFF");
    ASSERT_EQ(inThirdWait.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(inThirdWait[i].wordEmphasised, i == 1) << i;
    const std::vector<platform::Line> segments = trail();
    ASSERT_EQ(segments.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(segments[i].from, QPointF(centrex(8), centrey(6 - i))) << i;
        EXPECT_EQ(segments[i].to, QPointF(centrex(8), centrey(7 - i))) << i;
        EXPECT_EQ(segments[i].pen.widthPixels, 5) << i;
    }
}

// Two columns: home is the last one, so right then forwards leaves the floor at step 2. The
// step's word is said before the crash cuts it short. Only resetting the floor wipes the
// trail and the status and sends the robot home.
TEST_F(RobotTest, CrashEndsTheRunAtOnceWithoutAVerdict) {
    graphics().twips.setWidth(3 * cellsize);
    ASSERT_EQ(columncount(), 2);
    platform::setSpokenMode(true);
    run("RFFF");
    EXPECT_EQ(speech.said, (std::vector<QString>{"running", "right", "forwards", "crashed!"}));
    expectSeen({.status = "crashed!",
                .column = 1,
                .row = 7,
                .heading = 2,
                .crashed = true,
                .running = false,
                .beeps = 1});
    EXPECT_EQ(dispatch.ticks, 2 * 8);  // steps 3 and 4 pass without waiting
    EXPECT_EQ(trail().size(), 2u);
    xpos = 0;
    resetfloor();
    EXPECT_TRUE(trail().empty());
    expectSeen({.status = "", .column = 1, .row = 7, .heading = 1, .crashed = false});
    expectSprite();
}

}  // namespace
