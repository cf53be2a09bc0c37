#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

class ExitTest : public StartedMarloTest, protected AnsweredDialogs {};

// A window closed from the desktop used to be gone for good while MARLO ran on. Each of the
// three now asks while the program is unsaved and stays; closing the question is its cancel;
// with the program saved MARLO ends.
TEST_F(ExitTest, ClosingAnyWindowFromTheDesktopAsksOrEnds) {
    for (platform::Window* window :
         std::initializer_list<platform::Window*>{&graphics(), &buttons(), &program()}) {
        saved = no;
        window->close();
        EXPECT_TRUE(window->isVisible() && QueryExit().isVisible());
        QueryExit().close();
        EXPECT_EQ(std::pair(QueryExit().isVisible(), ending.ends), std::pair(false, 0));
        saved = yes;
        window->close();
        EXPECT_EQ(ending.ends, 1);
        ending.ends = 0;
    }
}

}  // namespace
