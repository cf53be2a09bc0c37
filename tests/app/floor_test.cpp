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
        const bool dotted = line->pen.drawsDotted();
        if (line->pen.widthPixels == 5 && line->pen.colour == Qt::black && !dotted)
            lines.boundary.push_back(*line);
        else if (dotted && line->from.x() == line->to.x())
            lines.vertical.push_back(*line);
        else if (dotted && line->from.y() == line->to.y())
            lines.horizontal.push_back(*line);
        else
            lines.other.push_back(*line);
    }
    return lines;
}

class FloorTest : public MarloTest {};

// 1024 x 768 gives the 16 x 15 floor with its edges gapy below the name box; 2560 and 3840
// pixels make floors wider than 32767 twips, whose grid must not fold back to negative x.
TEST_F(FloorTest, BoundaryAndGridFillTheFloorOnSmallAndWideScreens) {
    const struct {
        int width, height, columns, rows;
    } screens[] = {{1024, 768, 16, 15}, {2560, 1440, 55, 32}, {3840, 2160, 88, 50}};
    for (const auto& s : screens) {
        SCOPED_TRACE(s.width);
        startMarlo(s.width, s.height, 15, 15);
        EXPECT_EQ(leftedge, 150);
        EXPECT_EQ(topedge, 1405);
        EXPECT_EQ(rightedge, 150 + 585.0 * s.columns);
        EXPECT_EQ(bottomedge, 1405 + 585.0 * s.rows);
        const FloorLines lines = floorLines();
        ASSERT_EQ(lines.boundary.size(), 4u);
        EXPECT_EQ(lines.boundary[0].to, QPointF(rightedge, topedge));
        EXPECT_EQ(lines.boundary[3].from, QPointF(leftedge, bottomedge));
        ASSERT_EQ(lines.vertical.size(), static_cast<size_t>(s.columns + 1));
        ASSERT_EQ(lines.horizontal.size(), static_cast<size_t>(s.rows + 1));
        EXPECT_TRUE(lines.other.empty());
        for (size_t c = 0; c < lines.vertical.size(); ++c)
            EXPECT_EQ(lines.vertical[c].from, QPointF(150 + 585.0 * c, topedge)) << c;
        for (size_t r = 0; r < lines.horizontal.size(); ++r)
            EXPECT_EQ(lines.horizontal[r].to, QPointF(rightedge, 1405 + 585.0 * r)) << r;
        EXPECT_EQ(std::pair(int{xpos}, int{ypos}), std::pair(s.columns / 2, s.rows / 2));
        unloadWindows();
        resetVariables();
    }
}

TEST_F(FloorTest, ScreenTooSmallForACellStartsAndMovesWithoutHanging) {
    QElapsedTimer clock;
    clock.start();
    startMarlo(400, 200, 15, 15);
    EXPECT_EQ(Module2::rowcount() + Module2::columncount(), 0);
    EXPECT_EQ(floorLines().vertical.size() + floorLines().horizontal.size(), 2u);
    running = True;
    Module2::docommand("F");
    Module2::checkcrash();
    EXPECT_EQ(crashed, True);
    Module2::resetfloor();
    EXPECT_LT(clock.elapsed(), 5000);
}

}  // namespace
