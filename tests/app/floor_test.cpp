#include <QElapsedTimer>

#include "simulation/Module2.h"
#include "support/marlo_fixture.h"

using namespace variables;
using platform::Line;

namespace {

struct FloorLines {
    std::vector<Line> boundary, vertical, horizontal, other;
};

// Sorts the floor's display list into boundary lines and dotted grid lines.
FloorLines floorLines() {
    FloorLines lines;
    for (const platform::Command& command : graphics().surface().commands()) {
        const auto* line = std::get_if<Line>(&command);
        if (line == nullptr) continue;
        if (line->pen.widthPixels == 5 && line->pen.colour == Qt::black && !line->pen.drawsDotted())
            lines.boundary.push_back(*line);
        else if (line->pen.drawsDotted() && line->from.x() == line->to.x())
            lines.vertical.push_back(*line);
        else if (line->pen.drawsDotted() && line->from.y() == line->to.y())
            lines.horizontal.push_back(*line);
        else
            lines.other.push_back(*line);
    }
    return lines;
}

class FloorTest : public MarloTest {};

TEST_F(FloorTest, StartUpDrawsTheWorkedExampleFloor) {
    startMarlo();
    EXPECT_EQ(leftedge, 150);
    EXPECT_EQ(rightedge, 9510);
    EXPECT_EQ(topedge, 1405);
    EXPECT_EQ(bottomedge, 10180);
    // The floor starts exactly gapy below the program name box.
    EXPECT_EQ(topedge, graphics().progname.twips.top() + graphics().progname.twips.height() + gapy);

    const FloorLines lines = floorLines();
    ASSERT_EQ(lines.boundary.size(), 4u);
    EXPECT_EQ(lines.boundary[0].from, QPointF(150, 1405));
    EXPECT_EQ(lines.boundary[0].to, QPointF(9510, 1405));
    EXPECT_EQ(lines.boundary[1].to, QPointF(150, 10180));
    EXPECT_EQ(lines.boundary[2].from, QPointF(9510, 1405));
    EXPECT_EQ(lines.boundary[3].to, QPointF(9510, 10180));

    ASSERT_EQ(lines.vertical.size(), 17u);
    ASSERT_EQ(lines.horizontal.size(), 16u);
    EXPECT_TRUE(lines.other.empty());
    for (int c = 0; c <= 16; ++c) {
        EXPECT_EQ(lines.vertical[c].from, QPointF(150 + 585 * c, 1405));
        EXPECT_EQ(lines.vertical[c].to, QPointF(150 + 585 * c, 10180));
    }
    for (int r = 0; r <= 15; ++r) {
        EXPECT_EQ(lines.horizontal[r].from, QPointF(150, 1405 + 585 * r));
        EXPECT_EQ(lines.horizontal[r].to, QPointF(9510, 1405 + 585 * r));
    }
    // The grid's pen stays until something else sets one.
    EXPECT_EQ(graphics().surface().pen(),
              (platform::Pen{Qt::black, 1, platform::PenStyle::Dotted}));
}

// Past 32767 twips the cell offsets no longer fit in 16 bits; the grid must still reach the
// right-hand boundary instead of folding back to negative coordinates.
TEST_F(FloorTest, WideScreensGetAWholeGridWithoutOverflow) {
    struct Screen {
        int width, height, columns, rows;
    };
    // 2560: (2560 - 366) x 15 = 32910 twips wide, 56.3 cells; 3840: 52110 twips, 89.1 cells.
    for (const Screen s : {Screen{2560, 1440, 55, 32}, Screen{3840, 2160, 88, 50}}) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
        startMarlo(s.width, s.height, 15, 15);
        EXPECT_EQ(Module2::columncount(), s.columns);
        EXPECT_EQ(Module2::rowcount(), s.rows);
        EXPECT_EQ(rightedge, 150 + 585.0 * s.columns);
        const FloorLines lines = floorLines();
        ASSERT_EQ(lines.vertical.size(), static_cast<size_t>(s.columns + 1));
        ASSERT_EQ(lines.horizontal.size(), static_cast<size_t>(s.rows + 1));
        EXPECT_EQ(lines.vertical.back().from.x(), rightedge);
        EXPECT_EQ(lines.horizontal.back().from.y(), bottomedge);
        for (const Line& line : lines.vertical) EXPECT_GT(line.from.x(), 0);
        EXPECT_EQ(xpos, s.columns / 2);
        EXPECT_EQ(ypos, s.rows / 2);
        unloadWindows();
        resetVariables();
    }
}

TEST_F(FloorTest, ScreenTooSmallForACellStartsAndMovesWithoutHanging) {
    QElapsedTimer clock;
    clock.start();
    startMarlo(400, 200, 15, 15);
    EXPECT_EQ(Module2::rowcount(), 0);
    EXPECT_EQ(Module2::columncount(), 0);
    EXPECT_EQ(topedge, bottomedge);
    const FloorLines lines = floorLines();
    EXPECT_EQ(lines.vertical.size() + lines.horizontal.size(), 2u);
    running = True;
    Module2::docommand("F");
    Module2::checkcrash();
    EXPECT_EQ(crashed, True);
    Module2::resetfloor();
    EXPECT_LT(clock.elapsed(), 5000);
}

}  // namespace
