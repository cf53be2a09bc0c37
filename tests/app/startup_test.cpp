#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "support/marlo_fixture.h"

using namespace variables;

namespace {

using StartupTest = MarloTest;

// 7.5 x 39 = 292.5 must go to the even neighbour, 292; rounding away from zero gives 293.
TEST_F(StartupTest, SetsizesRoundsEachDirectionHalfToEvenAndKeepsCellsSquare) {
    const struct {
        double x, y;
        std::vector<std::int16_t> sizes;
    } screens[] = {{15, 12, {150, 120, 1530, 1224, 585}}, {7.5, 7.5, {75, 75, 765, 765, 292}}};
    for (const auto& s : screens) {
        screen.set(1024, 768, s.x, s.y);
        setsizes();
        EXPECT_EQ((std::vector{gapx, gapy, buttonwidth, buttonheight, cellsize}), s.sizes) << s.x;
    }
    EXPECT_EQ(toInteger(1e9), 32767);
}

TEST_F(StartupTest, NameBoxesStartFilledMirrorTypingAndStopItAtTwentyTwoCharacters) {
    GraphicsWindow& main = graphics();
    EXPECT_EQ(main.progname.text(), "my program");
    EXPECT_EQ(main.myname.text(), "me");
    EXPECT_EQ(saved, yes);
    EXPECT_TRUE(main.target.isHidden());
    main.myname.clear();
    EXPECT_EQ(author, "");
    running = yes;
    QTest::keyClicks(&main.myname, QString(22, 'a') + "b");
    EXPECT_EQ(author, QString(22, 'a'));
    EXPECT_EQ(running, yes);  // typing is not a button: a run goes on
    QTest::keyClick(&main.myname, Qt::Key_Backspace);
    EXPECT_EQ(author, QString(21, 'a'));

    // A paste keeps what fits of its start, wherever the cursor is.
    QGuiApplication::clipboard()->setText(QStringLiteral("0123456789").repeated(4));
    main.myname.setText("Sam");
    main.myname.setCursorPosition(1);
    QTest::keyClick(&main.myname, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(author, "S0123456789012345678am");

    // A longer name from a file is shown whole; typing may shorten it but not lengthen it.
    const QString longName = "the very long program name from a file";
    main.progname.setText(longName);
    EXPECT_EQ(programname, longName);
    main.progname.end(false);
    QTest::keyClick(&main.progname, Qt::Key_X);
    QTest::keyClick(&main.progname, Qt::Key_Backspace);
    EXPECT_EQ(programname, longName.chopped(1));
    EXPECT_EQ(saved, yes);  // renaming alone changes nothing to save
}

}  // namespace
