#include <sys/resource.h>
#include <QElapsedTimer>
#include <QTest>

#include "app/status.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"
#include "support/scripted_dispatch.h"

using namespace variables;

namespace {

class KeypadTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        startMarlo();
    }
    ButtonsWindow& keypad() { return buttons(); }
};

TEST_F(KeypadTest, EachCommandButtonAppendsItsLetterAndListsItsWord) {
    const struct {
        QPushButton* button;
        QString letter, word;
    } keys[] = {{&keypad().forwards, "F", "forwards"},
                {&keypad().backwards, "B", "backwards"},
                {&keypad().LeftTurn, "L", "left"},
                {&keypad().RightTurn, "R", "right"},
                {&keypad().pause, "P", "pause"}};
    QString expected;
    std::vector<QString> words;
    for (const auto& key : keys) {
        key.button->click();
        expected += key.letter;
        words.push_back(key.word);
        EXPECT_EQ(prog, expected);
        EXPECT_EQ(listedWords(), words);
        EXPECT_EQ(saved, False);
    }
}

TEST_F(KeypadTest, ThreeHundredLettersFitAndTheNextPressOnlySaysFull) {
    for (int i = 0; i < 299; ++i) keypad().forwards.click();
    keypad().LeftTurn.click();
    EXPECT_EQ(prog.size(), 300);
    EXPECT_TRUE(prog.endsWith('L'));
    EXPECT_EQ(currentStatus(), "");
    saved = True;
    keypad().RightTurn.click();
    EXPECT_EQ(prog.size(), 300);
    EXPECT_EQ(currentStatus(), "program full");
    EXPECT_EQ(saved, False);
    EXPECT_EQ(listedWords().back(), "left");

    // A longer program from a file is never lengthened.
    prog = QString(400, 'F');
    keypad().pause.click();
    EXPECT_EQ(prog.size(), 400);
    EXPECT_EQ(currentStatus(), "program full");
}

TEST_F(KeypadTest, PressDuringARunOnlyStopsIt) {
    prog = QStringLiteral("FF");
    for (QPushButton* button : {static_cast<QPushButton*>(&keypad().forwards),
                                static_cast<QPushButton*>(&keypad().clear)}) {
        running = True;
        saved = True;
        showStatus("running");
        button->click();
        EXPECT_EQ(prog, "FF");
        EXPECT_EQ(saved, True);
        EXPECT_EQ(running, False);
        EXPECT_EQ(currentStatus(), "stopped!");
    }
}

TEST_F(KeypadTest, ClearEmptiesTheProgramResetsTheFloorAndCountsAsSaved) {
    keypad().forwards.click();
    Module2::setuptrail();
    graphics().surface().line(0, 0, 100, 100);
    xpos = 0;
    heading = 3;
    showStatus("finished");
    keypad().clear.click();
    EXPECT_EQ(prog, "");
    EXPECT_EQ(saved, True);
    EXPECT_TRUE(listingRows().empty());
    EXPECT_EQ(currentStatus(), "");
    EXPECT_EQ(xpos, Module2::homecolumn());
    EXPECT_EQ(heading, 1);
    for (const platform::Command& command : graphics().surface().commands())
        EXPECT_NE(std::get<platform::Line>(command).pen.colour, QColor(0, 0, 255));

    // Also on an empty program.
    saved = False;
    keypad().clear.click();
    EXPECT_EQ(saved, True);
}

TEST_F(KeypadTest, AcceptedPressClearsAnEarlierVerdictButNotTheFloor) {
    showStatus("finished");
    xpos = 3;
    keypad().forwards.click();
    EXPECT_EQ(currentStatus(), "");
    EXPECT_EQ(xpos, 3);
}

TEST_F(KeypadTest, DelayWaitsExactlyEightTicks) {
    EXPECT_EQ(keypad().ticks, 0);
    keypad().Timer1_Timer();
    EXPECT_EQ(keypad().ticks, -1);
    keypad().Timer1_Timer();
    EXPECT_EQ(keypad().ticks, -1);

    ScriptedDispatch dispatch;
    UsingFake<platform::EventDispatch> fake(dispatch);
    keypad().delay();
    EXPECT_EQ(dispatch.ticks, 8);
    EXPECT_EQ(keypad().ticks, -1);
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// With the real event loop: eight 100 ms ticks, and the process sleeps while it waits. A busy
// loop would burn a whole core; returning a tick early would end before 0.7 s.
TEST_F(KeypadTest, RealDelaySleepsBetweenTicks) {
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    clock.start();
    keypad().delay();
    const double wall = clock.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    RecordProperty("delay_wall_ms", static_cast<int>(wall * 1000));
    RecordProperty("delay_cpu_ms", static_cast<int>(cpu * 1000));
    std::printf("delay: %.3f s wall, %.3f s CPU (%.1f %% of one core)\n", wall, cpu,
                100 * cpu / wall);
    EXPECT_GE(wall, 0.7);
    EXPECT_LT(wall, 1.5);        // generous: a loaded CI machine may deliver ticks late
    EXPECT_LT(cpu / wall, 0.5);  // a busy loop would take the whole core
}

TEST_F(KeypadTest, KeysPressTheKeypadOnlyWhileItsWindowIsActive) {
    ScriptedDispatch dispatch;
    UsingFake<platform::EventDispatch> fake(dispatch);
    RecordingBeeper beeper;
    UsingFake<platform::Beeper> quiet(beeper);

    QApplication::setActiveWindow(&keypad());
    ASSERT_EQ(QApplication::activeWindow(), &keypad());
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Up})
        QTest::keyClick(&keypad(), key);
    EXPECT_EQ(prog, "FLF");
    QTest::keyClick(&keypad(), Qt::Key_Return);
    EXPECT_EQ(dispatch.ticks, 4 * 8);
    EXPECT_EQ(currentStatus(), "finished");
    EXPECT_EQ(xpos, Module2::homecolumn() - 1);
    EXPECT_EQ(ypos, Module2::homerow() - 1);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_P})
        QTest::keyClick(&keypad(), key);
    EXPECT_EQ(prog, "FLFBRP");
    QTest::keyClick(&keypad(), Qt::Key_Delete);
    EXPECT_EQ(prog, "");

    // In a name box the same keys are typing, never commands.
    QApplication::setActiveWindow(&graphics());
    graphics().progname.setFocus();
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Return, Qt::Key_Delete})
        QTest::keyClick(&graphics().progname, key);
    QTest::keyClick(&graphics().progname, Qt::Key_P);
    EXPECT_EQ(prog, "");
    EXPECT_EQ(dispatch.ticks, 4 * 8);
    EXPECT_TRUE(programname.endsWith('p', Qt::CaseInsensitive));
}

}  // namespace
