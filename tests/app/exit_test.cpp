#include "support/marlo_fixture.h"

using namespace variables;

namespace {

using ExitTest = MarloTest;

// A window closed from the desktop used to be gone for good while MARLO ran on. Each of the
// three now asks, as exit does, while the program is unsaved and stays; closing the question
// is its cancel. Once the program is saved, even while asked, MARLO ends.
TEST_F(ExitTest, ExitOrClosingAnyWindowAsksOnlyWhileTheProgramIsUnsaved) {
    program().ExitButton.click();
    EXPECT_EQ(ending.ends, 1);
    buttons().forwards.click();
    const std::initializer_list<platform::Window*> windows = {&graphics(), &buttons(), &program()};
    for (platform::Window* window : windows) {
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(QueryExit().isVisible());
        QueryExit().close();
        EXPECT_FALSE(QueryExit().isVisible());
    }
    program().ExitButton.click();
    EXPECT_TRUE(QueryExit().isVisible());
    QueryExit().cancel.click();
    EXPECT_FALSE(QueryExit().isVisible());
    EXPECT_EQ(prog, "F");
    EXPECT_EQ(saved, no);
    EXPECT_EQ(ending.ends, 1);
    program().ExitButton.click();
    dialogs.answer = home.filePath("kept.mlo");
    graphics().save.click();
    program().ExitButton.click();
    EXPECT_EQ(ending.ends, 2);
    for (platform::Window* window : windows) EXPECT_TRUE(window->close());
    EXPECT_EQ(ending.ends, 5);
}

}  // namespace
