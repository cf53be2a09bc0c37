#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "app/status.h"
#include "app/stop_rule.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

class StartupTest : public MarloTest {};

TEST_F(StartupTest, StartsWithEmptyStatusDefaultNamesAndCaptionedButtons) {
    startMarlo();
    GraphicsWindow& main = graphics();
    EXPECT_EQ(currentStatus(), QString());
    EXPECT_EQ(main.progname.text(), "my program");
    EXPECT_EQ(main.myname.text(), "me");
    EXPECT_EQ(main.load.text(), "load");
    EXPECT_EQ(main.PrintButton.text(), "print");
    EXPECT_EQ(main.save.text(), "save");
    EXPECT_EQ(saved, True);
    EXPECT_EQ(running, False);
    EXPECT_FALSE(main.target.isVisible());
}

TEST_F(StartupTest, FirstReferenceCreatesEachWindowOnceAndShowsTheThree) {
    startMarlo();
    EXPECT_EQ(&graphics(), &graphics());
    EXPECT_TRUE(graphics().isVisible());
    EXPECT_TRUE(program().isVisible());
    EXPECT_TRUE(buttons().isVisible());
    EXPECT_FALSE(graphics().isModal());
    EXPECT_TRUE(graphics().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(buttons().Timer1.isActive());
    EXPECT_EQ(buttons().Timer1.interval(), 100);
}

TEST_F(StartupTest, TypingInANameBoxMirrorsIntoItsVariable) {
    startMarlo();
    GraphicsWindow& main = graphics();
    main.myname.clear();
    EXPECT_EQ(author, "");
    QTest::keyClicks(&main.myname, "Sam");
    EXPECT_EQ(author, "Sam");
    QTest::keyClick(&main.myname, Qt::Key_Backspace);
    EXPECT_EQ(author, "Sa");

    main.progname.selectAll();
    QTest::keyClicks(&main.progname, "square");
    EXPECT_EQ(programname, "square");
    // Renaming alone does not make the program unsaved.
    EXPECT_EQ(saved, True);
}

TEST_F(StartupTest, TypingAndPastingStopAtTwentyTwoCharacters) {
    startMarlo();
    GraphicsWindow& main = graphics();
    main.myname.clear();
    QTest::keyClicks(&main.myname, QString(22, 'a'));
    QTest::keyClick(&main.myname, Qt::Key_B);
    EXPECT_EQ(author, QString(22, 'a'));

    // A paste keeps what fits of its start, wherever the cursor is.
    QGuiApplication::clipboard()->setText(QStringLiteral("0123456789").repeated(4));
    main.myname.setText(QStringLiteral("Sam"));
    main.myname.setCursorPosition(1);
    QTest::keyClick(&main.myname, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(author, QStringLiteral("S0123456789012345678am"));
}

// A loaded file's names may be longer than a pupil may type; they must not be cut short.
TEST_F(StartupTest, LongerAssignedNameIsShownWholeAndMirroredUnchanged) {
    startMarlo();
    GraphicsWindow& main = graphics();
    const QString longName = QStringLiteral("the very long program name from a file");
    main.progname.setText(longName);
    EXPECT_EQ(main.progname.text(), longName);
    EXPECT_EQ(programname, longName);

    main.progname.end(false);
    QTest::keyClick(&main.progname, Qt::Key_X);
    EXPECT_EQ(programname, longName);
    QTest::keyClick(&main.progname, Qt::Key_Backspace);
    EXPECT_EQ(programname, longName.chopped(1));
}

TEST_F(StartupTest, StopRuleStopsARunAndOtherwiseLetsTheButtonWork) {
    startMarlo();
    showStatus(QStringLiteral("running"));
    running = True;
    EXPECT_TRUE(stopsRun());
    EXPECT_EQ(running, False);
    EXPECT_EQ(currentStatus(), "stopped!");

    showStatus(QStringLiteral("finished"));
    EXPECT_FALSE(stopsRun());
    EXPECT_EQ(running, False);
    EXPECT_EQ(currentStatus(), "finished");
}

TEST_F(StartupTest, TypingDuringARunDoesNotStopIt) {
    startMarlo();
    running = True;
    QTest::keyClicks(&graphics().progname, "!");
    EXPECT_EQ(programname, "my program!");
    EXPECT_EQ(running, True);
}

TEST_F(StartupTest, NewprogShowsTheLoadedProgramOnAFreshFloor) {
    startMarlo();
    const size_t floorOnly = graphics().surface().commands().size();
    graphics().surface().line(0, 0, 500, 500);
    xpos = 2;
    heading = 3;
    showStatus("finished");
    graphics().target.show();
    programname = QStringLiteral("zigzag");
    author = QStringLiteral("Ali");
    prog = QStringLiteral("FL");
    saved = False;
    graphics().newprog();
    EXPECT_EQ(graphics().progname.text(), "zigzag");
    EXPECT_EQ(graphics().myname.text(), "Ali");
    EXPECT_EQ(saved, True);
    EXPECT_EQ(graphics().surface().commands().size(), floorOnly);
    EXPECT_EQ(xpos, 8);
    EXPECT_EQ(heading, 1);
    EXPECT_EQ(currentStatus(), "");
    EXPECT_FALSE(graphics().target.isHidden());
    EXPECT_EQ(listedWords(), (std::vector<QString>{"forwards", "left"}));
}

}  // namespace
