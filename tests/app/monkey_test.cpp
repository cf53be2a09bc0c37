#include <QFile>
#include <QTest>
#include <functional>
#include <random>

#include "simulation/Module2.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

// A pupil's hands: random clicks and keys on MARLO's own windows, many of them in the middle of
// runs, with the event loop scripted so ten thousand events take seconds. After every event the
// robot is on the floor, facing a real heading; a press during a run has not changed the
// program; and outside a run `running` is false.
class MonkeyTest : public MarloTest {
  protected:
    static constexpr int budget = 10000;

    void SetUp() override {
        MarloTest::SetUp();
        ButtonsWindow& pad = buttons();
        GraphicsWindow& main = graphics();
        // The command buttons twice over, so programs grow long enough to be stopped; the file,
        // print and leaving buttons' dialogues answered or cancelled by the fakes.
        for (QPushButton* b : {&pad.forwards, &pad.backwards, &pad.LeftTurn, &pad.RightTurn,
                               &pad.pause, &pad.forwards, &pad.LeftTurn, &pad.RightTurn, &pad.clear,
                               &pad.go, &main.aim, &main.save, &main.load, &main.PrintButton,
                               &program().ExitButton, &QueryExit().cancel, &QueryExit().anyway})
            actions.push_back([this, b] {
                dialogs.answer = pick(3) == 0 ? std::nullopt : std::optional(programFile());
                questions.answer = pick(2) == 0;
                b->click();
            });
        actions.push_back([] { graphics().target_Click(); });
        for (const Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_P,
                                Qt::Key_Return, Qt::Key_Delete})
            actions.push_back([this, k] { key(&buttons(), k); });
        actions.push_back([this] {
            graphics().progname.setFocus();
            key(&graphics(), static_cast<Qt::Key>(Qt::Key_A + pick(26)));
        });
        actions.push_back([this] { key(&graphics(), Qt::Key_Backspace); });
        // Inside a run's wait: the timer ticks, and now and then the pupil does something.
        dispatch.everyTick = [this] {
            if (events < budget && pick(4) == 0) act();
        };
    }

    void act() {
        ++events;
        ++depth;
        const bool duringRun = running == yes;
        duringRuns += duringRun;
        const QString before = prog;
        actions[pick(static_cast<int>(actions.size()))]();
        if (duringRun) {
            EXPECT_EQ(prog, before) << "event " << events;
        }
        const int columns = Module2::columncount(), rows = Module2::rowcount();
        ASSERT_TRUE((columns == 0 || (xpos >= 0 && xpos < columns)) &&
                    (rows == 0 || (ypos >= 0 && ypos < rows)) && heading >= 1 && heading <= 4)
            << "event " << events << ": " << xpos << "," << ypos << " heading " << heading;
        EXPECT_TRUE(--depth > 0 || running == no) << "event " << events;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(randomHands); }
    static void key(QWidget* window, Qt::Key k) {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, k);
    }
    QString programFile() const { return home.filePath("monkey.mlo"); }

    std::mt19937 randomHands{20261206};
    std::vector<std::function<void()>> actions;
    int events = 0, duringRuns = 0, depth = 0;
};

TEST_F(MonkeyTest, TenThousandRandomPressesKeepTheRobotAndProgramSound) {
    while (events < budget && !HasFatalFailure()) act();
    EXPECT_GT(duringRuns, budget / 20);
    EXPECT_GT(beeper.beeps, 0);  // runs did finish or crash
    EXPECT_GT(ending.ends, 0);   // and the pupil left, more than once
    EXPECT_TRUE(QFile::exists(programFile()));
}

}  // namespace
