#include <QTest>

#include "platform/screen.h"
#include "support/marlo_fixture.h"

namespace {

// Left, top, width and height in twips.
using Rect = std::array<double, 4>;
std::vector<Rect> rectsOf(std::initializer_list<const platform::TwipsGeometry*> controls) {
    std::vector<Rect> rects;
    for (const platform::TwipsGeometry* g : controls)
        rects.push_back({g->left(), g->top(), g->width(), g->height()});
    return rects;
}

using LayoutTest = MarloTest;

// Every window and control on the common 1024 x 768 screen at 15 twips per pixel, the robot
// at home included. Another monitor lies at the desktop's origin: pixels follow the twips on
// the primary screen, controls one pixel in, inside the border.
TEST_F(LayoutTest, WindowsAndControlsOnA1024By768Screen) {
    start(1024, 768, 15, 15, {1280, 0});
    const ButtonsWindow& k = buttons();
    const ProgramWindow& p = program();
    const GraphicsWindow& m = graphics();
    const std::vector<Rect> keypad = {
        {9870, 5580, 5490, 5940}, {150, 150, 5190, 5190},   {1830, 150, 1530, 1530},
        {150, 1830, 1530, 1530},  {1830, 1830, 1530, 1530}, {3510, 1830, 1530, 1530},
        {150, 3510, 1530, 1530},  {1830, 3510, 1530, 1530}, {3510, 3510, 1530, 1530}};
    EXPECT_EQ(
        rectsOf({&k.twips, &k.Picture1.twips, &k.forwards.twips, &k.LeftTurn.twips, &k.pause.twips,
                 &k.RightTurn.twips, &k.clear.twips, &k.backwards.twips, &k.go.twips}),
        keypad);
    const std::vector<Rect> listing = {
        {9870, 0, 5490, 5580}, {0, 0, 5490, 495}, {20, 515, 5470, 5025}};
    EXPECT_EQ(rectsOf({&p.twips, &p.ExitButton.twips, &p.ProgramText.twips}), listing);
    const std::vector<Rect> main = {
        {0, 0, 9870, 11520},     {4860, 5530, 525, 525},  {150, 250, 4860, 450},
        {5160, 250, 4860, 450},  {150, 700, 4860, 555},   {5160, 700, 4860, 555},
        {150, 10405, 1200, 615}, {1500, 10405, 900, 615}, {2550, 10405, 900, 615},
        {3600, 10405, 900, 615}, {4650, 10405, 5070, 615}};
    EXPECT_EQ(rectsOf({&m.twips, &m.P2.twips, &m.pname.twips, &m.mname.twips, &m.progname.twips,
                       &m.myname.twips, &m.aim.twips, &m.load.twips, &m.PrintButton.twips,
                       &m.save.twips, &m.warnings.twips}),
              main);
    // The question stacks its three controls at full width from the bottom up, centred.
    const QueryExitWindow& q = QueryExit();
    const std::vector<Rect> question = {
        {5325, 4297.5, 4710, 2925}, {0, 2070, 4710, 855}, {0, 1215, 4710, 855}, {0, 0, 4710, 1215}};
    EXPECT_EQ(rectsOf({&q.twips, &q.anyway.twips, &q.cancel.twips, &q.message.twips}), question);
    EXPECT_TRUE(k.isVisible() && p.isVisible() && m.isVisible());
    EXPECT_EQ(m.geometry(), QRect(1280, 0, 658, 768));
    EXPECT_EQ(p.geometry(), QRect(1938, 0, 366, 372));
    EXPECT_EQ(k.geometry(), QRect(1938, 372, 366, 396));
    EXPECT_LE((q.geometry().center() - QPoint(1280 + 512, 384)).manhattanLength(), 2);
    EXPECT_EQ(m.progname.mapTo(&m, QPoint(0, 0)), QPoint(11, 48));
    EXPECT_EQ(m.windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
}

// Keypad bottom right at its pixel size, listing above it, main window filling the rest, the
// bottom row 1115 twips above the screen's bottom, and the robot and the target marker 35
// pixels square. Unequal twips per pixel, on the last screen, catch lefts and widths taken
// from vertical sizes, or tops and heights from horizontal ones.
TEST_F(LayoutTest, ThreeWindowsTileOtherScreens) {
    const struct {
        int width, height;
        double x, y;
    } screens[] = {
        {1920, 1080, 15, 15}, {1920, 1080, 12, 12}, {1366, 768, 12, 12}, {1024, 768, 15, 12}};
    for (const auto& s : screens) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " " << s.x << "," << s.y);
        start(s.width, s.height, s.x, s.y);
        const double w = s.width * s.x, h = s.height * s.y;
        const double keypadLeft = w - 366 * s.x, keypadTop = h - 396 * s.y;
        const std::vector<Rect> tiles = {{keypadLeft, keypadTop, w - keypadLeft, h - keypadTop},
                                         {keypadLeft, 0, w - keypadLeft, keypadTop},
                                         {0, 0, keypadLeft, h}};
        EXPECT_EQ(rectsOf({&buttons().twips, &program().twips, &graphics().twips}), tiles);
        EXPECT_EQ(graphics().load.twips.top(), h - 1115);
        EXPECT_EQ(graphics().P2.size(), QSize(35, 35));
        EXPECT_EQ(graphics().target.size(), QSize(35, 35));
    }
    const std::vector<Rect> rightTurnAndPanel = {{3510, 1464, 1530, 1224}, {150, 120, 5190, 4152}};
    EXPECT_EQ(rectsOf({&buttons().RightTurn.twips, &buttons().Picture1.twips}), rightTurnAndPanel);
}

// The keypad's ring goes to the button clicked. Elsewhere the ring marks only focus that Tab
// brought: the main window's activation hands "load" the focus, unmarked.
TEST_F(LayoutTest, RingMarksTheClickedKeypadButtonAndWhereTabWent) {
    ButtonsWindow& pad = buttons();
    QApplication::setActiveWindow(&pad);
    for (QPushButton* pressed : {&pad.pause, &pad.clear}) {
        QTest::mouseClick(pressed, Qt::LeftButton);
        EXPECT_EQ(pad.focusRing.geometry().center(), pressed->geometry().center());
    }
    EXPECT_TRUE(pad.focusRing.isVisible());
    GraphicsWindow& main = graphics();
    const auto ringed = [](QPushButton& button) {
        return button.grab().toImage().pixel(1, 1) == button.palette().highlight().color().rgb();
    };
    QApplication::setActiveWindow(&main);
    ASSERT_EQ(QApplication::focusWidget(), &main.load);
    EXPECT_FALSE(ringed(main.load));
    QTest::keyClick(&main.load, Qt::Key_Tab);
    EXPECT_TRUE(ringed(main.PrintButton));
}

}  // namespace
