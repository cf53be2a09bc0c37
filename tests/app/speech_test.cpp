#include <QCoreApplication>
#include <QTemporaryDir>

#include "app/status.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"
#include "support/scripted_dispatch.h"

using namespace variables;
using Words = std::vector<QString>;

namespace {

class SpeechTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
        platform::setSpokenMode(true);
    }

    // Presses the program's letters on the keypad, then Go.
    static void typeAndRun(const QString& program) {
        for (const QChar letter : program) buttons().progbutton(letter);
        buttons().go.click();
    }

    ScriptedDispatch dispatch;
    UsingFake<platform::EventDispatch> fakeDispatch{dispatch};
    RecordingBeeper beeper;
    UsingFake<platform::Beeper> fakeBeeper{beeper};
    RecordingSpeech speech;
    UsingFake<platform::Speech> fakeSpeech{speech};
};

// Each step is spoken as the listing emphasises it: before the next wait begins.
TEST_F(SpeechTest, PressesThenARunSpeakEachWordTheStartEachStepAndTheEnd) {
    std::vector<std::size_t> saidByStep;
    for (int step = 1; step <= 3; ++step)
        dispatch.atTick(ScriptedDispatch::waitBefore(step + 1),
                        [&] { saidByStep.push_back(speech.said.size()); });
    typeAndRun("FLF");
    EXPECT_EQ(speech.said, (Words{"forwards", "left", "forwards", "running", "forwards", "left",
                                  "forwards", "finished"}));
    EXPECT_EQ(saidByStep, (std::vector<std::size_t>{5, 6, 7}));
}

TEST_F(SpeechTest, APressDuringARunSpeaksOnlyStopped) {
    dispatch.atTick(ScriptedDispatch::waitBefore(2) + 3, [] { buttons().forwards.click(); });
    prog = "FFF";
    buttons().go.click();
    EXPECT_EQ(speech.said, (Words{"running", "forwards", "stopped!"}));
}

TEST_F(SpeechTest, EveryEndOfARunIsSpokenAsItIsShown) {
    const struct {
        const char* name;
        QString program;
        std::function<void()> before;
        Words said;
    } runs[] = {
        {"pen letters from a file", "UD", [] {}, {"running", "pen up", "pen down", "finished"}},
        // Home is the last column, so turning right and going forwards leaves the floor.
        {"crash",
         "RFFF",
         [] { graphics().twips.setWidth(3 * cellsize); },
         {"running", "right", "forwards", "crashed!"}},
    };
    for (const auto& r : runs) {
        SCOPED_TRACE(r.name);
        r.before();
        speech.said.clear();
        prog = r.program;
        buttons().go.click();
        EXPECT_EQ(speech.said, r.said);
        EXPECT_EQ(currentStatus(), r.said.back());
    }
}

TEST_F(SpeechTest, ClearAndAFullProgramAreSpokenAndNothingWithoutSpokenMode) {
    buttons().forwards.click();
    buttons().clear.click();
    prog = QString(300, 'F');
    buttons().LeftTurn.click();
    EXPECT_EQ(speech.said, (Words{"forwards", "memory clear", "program full"}));

    speech.said.clear();
    platform::setSpokenMode(false);
    buttons().LeftTurn.click();
    buttons().clear.click();
    typeAndRun("FLF");
    EXPECT_EQ(currentStatus(), "finished");
    EXPECT_TRUE(speech.said.empty());
}

// The real service on a machine with no engine to be found: one line on standard error at
// start, then the run goes on silently.
TEST(SpeechEngine, WithNoEngineMarloSaysSoOnceAndRunsSilently) {
    const QTemporaryDir noPlugins;
    const QStringList paths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({noPlugins.path()});
    resetVariables();
    startMarlo();
    ScriptedDispatch dispatch;
    UsingFake<platform::EventDispatch> fakeDispatch{dispatch};

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
    unloadWindows();
    QCoreApplication::setLibraryPaths(paths);
}

}  // namespace
