#include <QSignalSpy>
#include <QTest>

#include "app/status.h"
#include "app/stop_rule.h"
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
    EXPECT_EQ(main.pname.text(), "program name");
    EXPECT_EQ(main.mname.text(), "my name");
    EXPECT_EQ(main.load.text(), "load");
    EXPECT_EQ(main.PrintButton.text(), "print");
    EXPECT_EQ(main.save.text(), "save");
    EXPECT_EQ(main.aim.text(), "target");
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

// The controls Tab reaches from `first`, in order, until it comes round again.
std::vector<QWidget*> tabOrderFrom(QWidget* first) {
    std::vector<QWidget*> order{first};
    for (QWidget* next = first->nextInFocusChain(); next != first; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->window() == first->window())
            order.push_back(next);
    return order;
}

TEST_F(StartupTest, TabVisitsTheMainWindowControlsInDesignOrder) {
    startMarlo();
    GraphicsWindow& main = graphics();
    EXPECT_EQ(tabOrderFrom(&main.load),
              (std::vector<QWidget*>{&main.load, &main.PrintButton, &main.save, &main.progname,
                                     &main.myname, &main.aim}));
    EXPECT_FALSE(graphics().windowIcon().isNull());
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

TEST_F(StartupTest, TypingStopsAtTwentyTwoCharacters) {
    startMarlo();
    GraphicsWindow& main = graphics();
    main.myname.clear();
    QTest::keyClicks(&main.myname, QString(22, 'a'));
    QTest::keyClick(&main.myname, Qt::Key_B);
    EXPECT_EQ(author, QString(22, 'a'));
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

TEST_F(StartupTest, NewprogShowsLoadedNamesAsSaved) {
    startMarlo();
    programname = QStringLiteral("zigzag");
    author = QStringLiteral("Ali");
    saved = False;
    graphics().newprog();
    EXPECT_EQ(graphics().progname.text(), "zigzag");
    EXPECT_EQ(graphics().myname.text(), "Ali");
    EXPECT_EQ(saved, True);
}

}  // namespace
