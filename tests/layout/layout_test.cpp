#include "platform/screen.h"
#include "support/marlo_fixture.h"

namespace {

struct Rect {
    double left, top, width, height;
    bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << r.left << ", " << r.top << ", " << r.width << " x " << r.height;
}

Rect rectOf(const platform::TwipsGeometry& g) {
    return {g.left(), g.top(), g.width(), g.height()};
}

class LayoutTest : public MarloTest {};

TEST_F(LayoutTest, KeypadOnA1024By768ScreenMatchesTheWorkedExample) {
    startMarlo(1024, 768, 15, 15);
    ButtonsWindow& keypad = buttons();
    EXPECT_EQ(rectOf(keypad.twips), (Rect{9870, 5580, 5490, 5940}));
    EXPECT_EQ(rectOf(keypad.Picture1.twips), (Rect{150, 150, 5190, 5190}));
    EXPECT_EQ(rectOf(keypad.forwards.twips), (Rect{1830, 150, 1530, 1530}));
    EXPECT_EQ(rectOf(keypad.LeftTurn.twips), (Rect{150, 1830, 1530, 1530}));
    EXPECT_EQ(rectOf(keypad.pause.twips), (Rect{1830, 1830, 1530, 1530}));
    EXPECT_EQ(rectOf(keypad.RightTurn.twips), (Rect{3510, 1830, 1530, 1530}));
    EXPECT_EQ(rectOf(keypad.clear.twips), (Rect{150, 3510, 1530, 1530}));
    EXPECT_EQ(rectOf(keypad.backwards.twips), (Rect{1830, 3510, 1530, 1530}));
    EXPECT_EQ(rectOf(keypad.go.twips), (Rect{3510, 3510, 1530, 1530}));
    EXPECT_TRUE(keypad.isVisible());
}

TEST_F(LayoutTest, ListingOnA1024By768ScreenMatchesTheWorkedExample) {
    startMarlo(1024, 768, 15, 15);
    ProgramWindow& listing = program();
    EXPECT_EQ(rectOf(listing.twips), (Rect{9870, 0, 5490, 5580}));
    EXPECT_EQ(rectOf(listing.ExitButton.twips), (Rect{0, 0, 5490, 495}));
    EXPECT_EQ(rectOf(listing.ProgramText.twips), (Rect{20, 515, 5470, 5025}));
    EXPECT_TRUE(listing.isVisible());
}

TEST_F(LayoutTest, MainWindowOnA1024By768ScreenMatchesTheWorkedExample) {
    startMarlo(1024, 768, 15, 15);
    GraphicsWindow& main = graphics();
    EXPECT_EQ(rectOf(main.twips), (Rect{0, 0, 9870, 11520}));
    EXPECT_EQ(main.P2.twips.width(), 525);
    EXPECT_EQ(main.P2.twips.height(), 525);
    EXPECT_EQ(rectOf(main.pname.twips), (Rect{150, 250, 4860, 450}));
    EXPECT_EQ(rectOf(main.mname.twips), (Rect{5160, 250, 4860, 450}));
    EXPECT_EQ(rectOf(main.progname.twips), (Rect{150, 700, 4860, 555}));
    EXPECT_EQ(rectOf(main.myname.twips), (Rect{5160, 700, 4860, 555}));
    EXPECT_EQ(rectOf(main.aim.twips), (Rect{150, 10405, 1200, 615}));
    EXPECT_EQ(rectOf(main.load.twips), (Rect{1500, 10405, 900, 615}));
    EXPECT_EQ(rectOf(main.PrintButton.twips), (Rect{2550, 10405, 900, 615}));
    EXPECT_EQ(rectOf(main.save.twips), (Rect{3600, 10405, 900, 615}));
    EXPECT_EQ(rectOf(main.warnings.twips), (Rect{4650, 10405, 5070, 615}));
    EXPECT_TRUE(main.isVisible());
}

TEST_F(LayoutTest, ThreeWindowsTileTheScreenOnOtherScreens) {
    struct Screen {
        int width, height;
        double twipsPerPixel;
    };
    for (const Screen s : {Screen{1920, 1080, 15}, Screen{1920, 1080, 12}, Screen{1366, 768, 12}}) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " at " << s.twipsPerPixel);
        startMarlo(s.width, s.height, s.twipsPerPixel, s.twipsPerPixel);
        const platform::ScreenMetrics screen = platform::screen();
        const auto& keypad = buttons().twips;
        const auto& listing = program().twips;
        const auto& main = graphics().twips;
        EXPECT_EQ(keypad.left() + keypad.width(), screen.width);
        EXPECT_EQ(keypad.top() + keypad.height(), screen.height);
        EXPECT_EQ(listing.top() + listing.height(), keypad.top());
        EXPECT_EQ(listing.left(), keypad.left());
        EXPECT_EQ(listing.width(), keypad.width());
        EXPECT_EQ(main.left() + main.width(), keypad.left());
        EXPECT_EQ(main.height(), screen.height);
        // The bottom row sits 1115 twips above the screen's bottom whatever the screen.
        EXPECT_EQ(graphics().load.twips.top(), screen.height - 1115);
        // The keypad keeps its size in pixels: 366 x 396 on any screen.
        EXPECT_EQ(keypad.width() / s.twipsPerPixel, 366);
        EXPECT_EQ(keypad.height() / s.twipsPerPixel, 396);
        unloadWindows();
        resetVariables();
    }
}

TEST_F(LayoutTest, LeftsAndWidthsUseHorizontalSizesAndTopsAndHeightsVerticalOnes) {
    startMarlo(1024, 768, 15, 12);
    const ButtonsWindow& keypad = buttons();
    EXPECT_EQ(rectOf(keypad.RightTurn.twips), (Rect{3510, 1464, 1530, 1224}));
    EXPECT_EQ(rectOf(keypad.Picture1.twips), (Rect{150, 120, 5190, 4152}));
    EXPECT_EQ(keypad.twips.width(), 5490);
    EXPECT_EQ(keypad.twips.height(), 4752);  // 5 gaps of 120 around the panel
    EXPECT_EQ(graphics().P2.twips.height(), 35 * 12);
}

// Pixels follow the twips, so the windows on screen are where the layout put them: on the
// primary screen, also when another monitor lies left of it at the desktop's origin.
TEST_F(LayoutTest, WindowsArePlacedInPixelsFromTheirTwipsOnThePrimaryScreen) {
    for (const QPoint origin : {QPoint(0, 0), QPoint(1280, 0), QPoint(0, 1024)}) {
        SCOPED_TRACE(testing::Message() << origin.x() << "," << origin.y());
        platform::useFixedScreen(1024, 768, 15, 15, origin.x(), origin.y());
        graphics();
        EXPECT_EQ(graphics().geometry(), QRect(0, 0, 658, 768).translated(origin));
        EXPECT_EQ(program().geometry(), QRect(658, 0, 366, 372).translated(origin));
        EXPECT_EQ(buttons().geometry(), QRect(658, 372, 366, 396).translated(origin));
        const QRect query = QueryExit().geometry();
        const QPoint screenCentre = QRect(origin, QSize(1024, 768)).center();
        EXPECT_LE((query.center() - screenCentre).manhattanLength(), 2);
        unloadWindows();
        resetVariables();
    }
    startMarlo(1024, 768, 15, 15);
    // Controls sit one pixel in, inside the border.
    EXPECT_EQ(graphics().progname.mapTo(&graphics(), QPoint(0, 0)), QPoint(11, 48));
}

}  // namespace
