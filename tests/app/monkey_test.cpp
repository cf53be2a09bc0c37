#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <random>

#include "app/status.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

// A pupil's hands: random clicks and keys on MARLO's own windows, many of them in the middle of
// runs, with the event loop scripted so ten thousand events take seconds. After every event the
// robot is on the floor, facing a real heading; a press during a run has not changed the
// program; and outside a run `running` is false.
class Monkey final : public platform::EventDispatch {
  public:
    explicit Monkey(unsigned seed) : random_(seed) {}

    // Inside a run's wait: the timer ticks, and now and then the pupil does something.
    void dispatchEvents() override {
        if (events_ < budget && pick(4) == 0) act();
        buttons().Timer1_Timer();
    }

    void act() {
        ++events_;
        ++depth_;
        const bool duringRun = running == True;
        if (duringRun) ++duringRuns_;
        const QString before = prog;
        actions()[pick(static_cast<int>(actions().size()))]();
        if (duringRun) {
            EXPECT_EQ(prog, before) << "event " << events_;
        }
        checkRobot();
        --depth_;
        if (depth_ == 0) {
            EXPECT_EQ(running, False) << "event " << events_;
        }
    }

    int events() const { return events_; }
    int duringRuns() const { return duringRuns_; }
    static constexpr int budget = 10000;

    ScriptedFileDialogs dialogs;
    ScriptedQuestions questions;
    QString programFile;

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void checkRobot() {
        if (Module2::columncount() > 0) {
            ASSERT_GE(xpos, 0);
            ASSERT_LT(xpos, Module2::columncount());
        }
        if (Module2::rowcount() > 0) {
            ASSERT_GE(ypos, 0);
            ASSERT_LT(ypos, Module2::rowcount());
        }
        ASSERT_GE(heading, 1);
        ASSERT_LE(heading, 4);
    }

    void key(QWidget* window, Qt::Key k) {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, k);
    }

    std::vector<std::function<void()>>& actions() {
        static std::vector<std::function<void()>> all;
        if (!all.empty()) return all;
        ButtonsWindow& pad = buttons();
        GraphicsWindow& main = graphics();
        for (QPushButton* b : std::initializer_list<QPushButton*>{
                 &pad.forwards, &pad.backwards, &pad.LeftTurn, &pad.RightTurn, &pad.pause,
                 &pad.forwards, &pad.LeftTurn, &pad.RightTurn, &pad.clear, &pad.go, &main.aim})
            all.push_back([b] { b->click(); });
        all.push_back([] { graphics().target_Click(); });
        for (const Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_P,
                                Qt::Key_Return, Qt::Key_Delete})
            all.push_back([this, k] { key(&buttons(), k); });
        all.push_back([this] {
            graphics().progname.setFocus();
            key(&graphics(), static_cast<Qt::Key>(Qt::Key_A + pick(26)));
        });
        all.push_back([this] { key(&graphics(), Qt::Key_Backspace); });
        // Files, printing and leaving, their dialogues answered or cancelled by the fakes.
        for (QPushButton* b : std::initializer_list<QPushButton*>{
                 &main.save, &main.load, &main.PrintButton, &program().ExitButton,
                 &QueryExit().cancel, &QueryExit().anyway})
            all.push_back([this, b] {
                dialogs.answer = pick(3) == 0 ? std::nullopt : std::optional(programFile);
                questions.answer = pick(2) == 0;
                b->click();
            });
        return all;
    }

    std::mt19937 random_;
    int events_ = 0;
    int duringRuns_ = 0;
    int depth_ = 0;
};

class MonkeyTest : public MarloTest {};

TEST_F(MonkeyTest, TenThousandRandomPressesKeepTheRobotAndProgramSound) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    startMarlo();
    Monkey monkey(20261206);
    monkey.programFile = home.filePath(QStringLiteral("monkey.mlo"));
    UsingFake<platform::FileDialogs> dialogs(monkey.dialogs);
    UsingFake<platform::Questions> questions(monkey.questions);
    RecordingProcessEnd ending;
    UsingFake<platform::ProcessEnd> usingEnding(ending);
    FakePrinters printers;
    UsingFake<platform::Printers> usingPrinters(printers);
    UsingFake<platform::EventDispatch> dispatch(monkey);
    RecordingBeeper beeper;
    UsingFake<platform::Beeper> quiet(beeper);
    SeededRandom random;
    UsingFake<platform::RandomSource> seeded(random);
    while (monkey.events() < Monkey::budget && !HasFatalFailure()) monkey.act();
    EXPECT_EQ(monkey.events(), Monkey::budget);
    EXPECT_GT(monkey.duringRuns(), Monkey::budget / 20);
    EXPECT_GT(beeper.beeps, 0);  // runs did finish or crash
    EXPECT_GT(ending.ends, 0);   // and the pupil left, more than once
    EXPECT_TRUE(QFile::exists(monkey.programFile));
}

}  // namespace
