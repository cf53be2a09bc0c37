#include <QCoreApplication>
#include <QTemporaryDir>

#include "app/status.h"
#include "support/marlo_fixture.h"

using namespace variables;
using Words = std::vector<QString>;

namespace {

class SpeechTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        platform::setSpokenMode(true);
    }
    // Presses the program's letters on the keypad, then Go.
    static void typeAndRun(const QString& program) {
        for (const QChar letter : program) buttons().progbutton(letter);
        buttons().go.click();
    }
};

// Each step is spoken as the listing emphasises it: before the next wait begins. Spoken mode
// off, nothing is said.
TEST_F(SpeechTest, KeypadPressesAndARunSpeakEachWordTheStartEachStepAndTheEnd) {
    std::vector<std::size_t> saidByStep;
    for (int step = 1; step <= 3; ++step)
        dispatch.atTick(ScriptedDispatch::waitBefore(step + 1),
                        [&] { saidByStep.push_back(speech.said.size()); });
    typeAndRun("FLF");
    buttons().clear.click();
    prog = QString(300, 'F');
    buttons().LeftTurn.click();
    EXPECT_EQ(speech.said, (Words{"forwards", "left", "forwards", "running", "forwards", "left",
                                  "forwards", "finished", "memory clear", "program full"}));
    EXPECT_EQ(saidByStep, (std::vector<std::size_t>{5, 6, 7}));

    speech.said.clear();
    platform::setSpokenMode(false);
    typeAndRun("FLF");
    buttons().clear.click();
    EXPECT_TRUE(speech.said.empty());
}

// Pen letters, which only files hold, are spoken as words; a press during a run speaks only
// "stopped!". On a floor three cells wide home is the last column, so turning right and going
// forwards leaves the floor.
TEST_F(SpeechTest, EveryEndOfARunIsSpokenAsItIsShown) {
    const struct {
        QString program;
        int pressAt, cells;
        Words said;
    } runs[] = {
        {"UD", -1, 0, {"running", "pen up", "pen down", "finished"}},
        {"FFF", ScriptedDispatch::waitBefore(2) + 3, 0, {"running", "forwards", "stopped!"}},
        {"RFFF", -1, 3, {"running", "right", "forwards", "crashed!"}},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.program.toStdString());
        dispatch.restart();
        if (r.pressAt >= 0) dispatch.atTick(r.pressAt, [] { buttons().forwards.click(); });
        if (r.cells > 0) graphics().twips.setWidth(r.cells * cellsize);
        speech.said.clear();
        prog = r.program;
        buttons().go.click();
        EXPECT_EQ(speech.said, r.said);
        EXPECT_EQ(currentStatus(), r.said.back());
    }
}

// The real service on a machine with no engine to be found: one line on standard error at
// start, then the run goes on silently.
using SpeechEngine = MarloTest;

TEST_F(SpeechEngine, WithNoEngineMarloSaysSoOnceAndRunsSilently) {
    const QTemporaryDir noPlugins;
    const QStringList paths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({noPlugins.path()});
    platform::replaceSeam<platform::Speech>(nullptr);
    testing::internal::CaptureStderr();
    platform::setSpokenMode(true);
    prog = "FLF";
    buttons().go.click();
    const QString verdict = currentStatus();
    buttons().forwards.click();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(verdict, "finished");
    EXPECT_EQ(prog, "FLFF");
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("no speech engine"), std::string::npos) << errors;
    QCoreApplication::setLibraryPaths(paths);
}

}  // namespace
