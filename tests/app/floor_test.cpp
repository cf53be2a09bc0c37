#include "simulation/Module2.h"
#include "support/marlo_fixture.h"

using namespace variables;
using platform::Line;

namespace {

struct FloorLines {
    std::vector<Line> boundary, vertical, horizontal;
};

// Sorts the floor's display list into thick black boundary lines and dotted grid lines.
FloorLines floorLines() {
    FloorLines lines;
    for (const platform::Command& command : graphics().surface().commands()) {
        const auto* line = std::get_if<Line>(&command);
        if (line == nullptr) continue;
        if (line->pen.drawsDotted())
            (line->from.x() == line->to.x() ? lines.vertical : lines.horizontal).push_back(*line);
        else if (line->pen.widthPixels == 5 && line->pen.colour == Qt::black)
            lines.boundary.push_back(*line);
    }
    return lines;
}

using FloorTest = MarloTest;

// 1024 x 768 gives the 16 x 15 floor with its edges gapy below the name box; 2560 and 3840
// pixels make floors wider than 32767 twips, whose grid must not fold back to negative x.
TEST_F(FloorTest, BoundaryAndGridFillTheFloorOnSmallAndWideScreens) {
    const struct {
        int width, height, columns, rows;
    } screens[] = {{1024, 768, 16, 15}, {2560, 1440, 55, 32}, {3840, 2160, 88, 50}};
    for (const auto& s : screens) {
        SCOPED_TRACE(s.width);
        start(s.width, s.height);
        const double right = 150 + 585.0 * s.columns, bottom = 1405 + 585.0 * s.rows;
        EXPECT_EQ((std::vector{leftedge, topedge, rightedge, bottomedge}),
                  (std::vector{150.0, 1405.0, right, bottom}));
        const FloorLines lines = floorLines();
        ASSERT_EQ(lines.boundary.size(), 4u);
        const QLineF sides[] = {{150, 1405, right, 1405},
                                {150, 1405, 150, bottom},
                                {right, 1405, right, bottom},
                                {150, bottom, right, bottom}};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(QLineF(lines.boundary[i].from, lines.boundary[i].to), sides[i]) << i;
        ASSERT_EQ(lines.vertical.size(), s.columns + 1u);
        ASSERT_EQ(lines.horizontal.size(), s.rows + 1u);
        EXPECT_EQ(lines.vertical[1].from, QPointF(735, 1405));
        EXPECT_EQ(lines.vertical.back().to, QPointF(right, bottom));
        EXPECT_EQ(lines.horizontal.back().from, QPointF(150, bottom));
    }
}

TEST_F(FloorTest, ScreenTooSmallForACellStartsAndCrashesWithoutHanging) {
    start(400, 200);
    EXPECT_EQ(Module2::rowcount() + Module2::columncount(), 0);
    EXPECT_EQ(floorLines().vertical.size() + floorLines().horizontal.size(), 2u);
    running = yes;
    Module2::docommand("F");
    Module2::checkcrash();
    EXPECT_EQ(crashed, yes);
    Module2::resetfloor();
}

}  // namespace
