#include "app/status.h"
#include "files/files_fixture.h"
#include "platform/screen.h"
#include "support/scripted_dispatch.h"

using namespace variables;

namespace {

class ExitTest : public FilesTest {
  protected:
    void exitButton() { click(program().ExitButton); }
    // True when the confirmation window exists and shows, without creating it.
    bool asking() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (dynamic_cast<QueryExitWindow*>(window) && window->isVisible()) return true;
        return false;
    }
};

TEST_F(ExitTest, RightAfterStartUpExitEndsAtOnce) {
    exitButton();
    EXPECT_EQ(ending.ends, 1);
    EXPECT_FALSE(asking());
}

TEST_F(ExitTest, AnUnsavedProgramAsksInAConfirmationLaidOutFromTheBottomUp) {
    buttons().forwards_Click();
    exitButton();
    EXPECT_EQ(ending.ends, 0);
    ASSERT_TRUE(asking());
    QueryExitWindow& question = QueryExit();
    EXPECT_FALSE(question.isModal());
    EXPECT_EQ(question.twips.height(), 2925);
    EXPECT_EQ(question.message.twips.top(), 0);
    EXPECT_EQ(question.cancel.twips.top(), 1215);
    EXPECT_EQ(question.anyway.twips.top(), 2070);
    for (const platform::TwipsGeometry* control :
         {&question.message.twips, &question.cancel.twips, &question.anyway.twips}) {
        EXPECT_EQ(control->left(), 0);
        EXPECT_EQ(control->width(), question.twips.width());
    }
    // Centred on the screen, and the message needs more than one line at its width.
    const platform::ScreenMetrics screen = platform::screen();
    EXPECT_EQ(question.twips.left() * 2 + question.twips.width(), screen.width);
    EXPECT_EQ(question.twips.top() * 2 + question.twips.height(), screen.height);
    EXPECT_GT(question.message.heightForWidth(question.message.width()),
              question.message.fontMetrics().height() * 3 / 2);
}

TEST_F(ExitTest, CancelKeepsTheProgramAndAnywayEnds) {
    buttons().forwards_Click();
    exitButton();
    click(QueryExit().cancel);
    EXPECT_FALSE(asking());
    EXPECT_EQ(prog, "F");
    EXPECT_EQ(saved, False);
    exitButton();
    EXPECT_TRUE(asking());
    EXPECT_EQ(QueryExit().twips.height(), 2925);
    click(QueryExit().anyway);
    EXPECT_EQ(ending.ends, 1);
}

TEST_F(ExitTest, DuringARunTheFirstClickOnlyStopsIt) {
    ScriptedDispatch dispatch;
    dispatch.atTick(2, [this] { exitButton(); });
    UsingFake<platform::EventDispatch> usingDispatch(dispatch);
    buttons().forwards_Click();
    buttons().forwards_Click();
    buttons().go_Click();
    EXPECT_EQ(currentStatus(), "stopped!");
    EXPECT_EQ(running, False);
    EXPECT_EQ(ending.ends, 0);
    EXPECT_FALSE(asking());
    exitButton();
    EXPECT_TRUE(asking());
}

TEST_F(ExitTest, ClearingTheProgramMakesLeavingSilentAgain) {
    buttons().forwards_Click();
    buttons().clear_Click();
    exitButton();
    EXPECT_EQ(ending.ends, 1);
    EXPECT_FALSE(asking());
}

TEST_F(ExitTest, SavingWhileAskingLetsTheNextExitEndWithoutAsking) {
    buttons().forwards_Click();
    exitButton();
    ASSERT_TRUE(asking());
    dialogs.answer = inWriterDirectory(QStringLiteral("kept.mlo"));
    click(graphics().save);
    exitButton();
    EXPECT_EQ(ending.ends, 1);
}

TEST_F(ExitTest, ClosingTheListingFromTheDesktopAsksOnlyForAnUnsavedProgram) {
    buttons().forwards_Click();
    EXPECT_FALSE(program().close());
    EXPECT_TRUE(program().isVisible());
    EXPECT_TRUE(asking());
    EXPECT_EQ(ending.ends, 0);
    buttons().clear_Click();
    EXPECT_TRUE(program().close());
    EXPECT_EQ(ending.ends, 1);
}

}  // namespace
