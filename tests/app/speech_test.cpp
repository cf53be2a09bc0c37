#include <QCoreApplication>
#include <QTemporaryDir>

#include "app/status.h"
#include "support/marlo_fixture.h"

using namespace variables;
using Words = std::vector<QString>;

namespace {

using SpeechTest = MarloTest;

// Presses the program's letters on the keypad, then Go.
void typeAndRun(const QString& program) {
    for (const QChar letter : program) buttons().progbutton(letter);
    buttons().go.click();
}

// Each step is spoken as the listing emphasises it: before the next wait begins. Spoken mode
// off, nothing is said.
TEST_F(SpeechTest, KeypadPressesAndARunSpeakEachWordTheStartEachStepAndTheEnd) {
    platform::setSpokenMode(true);
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
