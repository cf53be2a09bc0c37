#include <QElapsedTimer>
#include <QTest>
#include <ctime>

#include "app/status.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;
using Words = std::vector<QString>;

namespace {

using EntryTest = MarloTest;

// Each key is a click on its button, from any of the three windows and also where a button
// has the focus and an arrow would move it; a key held down presses once. An accepted press
// empties an earlier verdict but leaves the floor, Delete clears the program (an empty one too)
// and resets the floor, and Enter runs it. In a name box the same keys only type, and the exit
// question leaves them alone.
TEST_F(EntryTest, EachKeyPressesItsButtonFromEveryMarloWindow) {
    const auto press = [](QWidget* focus, Qt::Key key) {
        focus->window()->show();
        QApplication::setActiveWindow(focus->window());
        focus->setFocus();
        QTest::keyClick(focus, key);
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focus, &held);
    };
    QPushButton* const focused[] = {&buttons().go, &graphics().aim, &program().ExitButton};
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_P};
    xpos = 3;
    for (int i = 0; i < 5; ++i) {
        showStatus("missed!");
        saved = yes;
        press(focused[i % 3], keys[i]);
        expectSeen(
            {.prog = QString("FBLRP").left(i + 1), .saved = false, .status = "", .column = 3});
        EXPECT_EQ(QApplication::focusWidget(), focused[i % 3]);
    }
    EXPECT_EQ(listedWords(), (Words{"forwards", "backwards", "left", "right", "pause"}));
    for (int time = 0; time < 2; ++time) {
        saved = no;
        showStatus("finished");
        press(&buttons().go, Qt::Key_Delete);
        expectSeen({.prog = "", .saved = true, .status = "", .column = 8});
        EXPECT_EQ(listedWords(), Words());
    }
    press(&graphics().aim, Qt::Key_Return);
    expectSeen({.status = "finished"});
    EXPECT_EQ(dispatch.ticks, 8);
    for (QWidget* elsewhere :
         std::initializer_list<QWidget*>{&graphics().progname, &QueryExit().cancel})
        for (const Qt::Key key :
             {Qt::Key_Up, Qt::Key_Left, Qt::Key_Return, Qt::Key_Delete, Qt::Key_P})
            press(elsewhere, key);
    expectSeen({.prog = ""});
    EXPECT_EQ(dispatch.ticks, 8);
    EXPECT_EQ(programname.right(1).toLower(), "p");
    // A click on a button after typing a name takes the keyboard back from the name box.
    QueryExit().hide();
    press(&graphics().progname, Qt::Key_A);
    QTest::mouseClick(&graphics().aim, Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    expectSeen({.prog = "F"});
}

// A refused press still counts as a change; a longer program from a file is never lengthened.
TEST_F(EntryTest, ThreeHundredLettersFitAndTheNextPressOnlySaysProgramFull) {
    for (int i = 0; i < 299; ++i) buttons().forwards.click();
    buttons().LeftTurn.click();
    expectSeen({.prog = QString(299, 'F') + 'L', .status = ""});
    saved = yes;
    buttons().RightTurn.click();
    expectSeen({.prog = QString(299, 'F') + 'L', .saved = false, .status = "program full"});
    EXPECT_EQ(listedWords().back(), "left");
    prog = QString(400, 'F');
    buttons().pause.click();
    EXPECT_EQ(prog.size(), 400);
}

// With the real event loop: eight 100 ms ticks, and the process sleeps while it waits. A busy
// loop would burn a whole core; returning a tick early would end before 0.7 s. Between waits
// the timer sleeps, and a wait wakes it on the tick it would have had: started just before a
// tick, the wait lasts 0.71 s, where a timer restarted from scratch would take 0.8 s.
TEST_F(EntryTest, RealDelaySleepsBetweenTicksAndKeepsTheTimersStep) {
    platform::replaceSeam<platform::EventDispatch>(nullptr);
    // Wall and CPU seconds of one wait.
    const auto timedDelay = [] {
        QElapsedTimer clock;
        const std::clock_t cpu = std::clock();
        clock.start();
        buttons().delay();
        return std::pair(clock.nsecsElapsed() / 1e9,
                         static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC);
    };
    const auto [wall, cpu] = timedDelay();
    // Generous above: a loaded machine may deliver ticks late.
    EXPECT_TRUE(wall >= 0.7 && wall < 1.5) << wall;
    EXPECT_LT(cpu / wall, 0.5) << cpu;
    QTest::qWait(250);
    EXPECT_FALSE(buttons().Timer1.isActive());
    while (buttons().tickPhase.elapsed() % 100 < 88) QTest::qWait(1);
    const double woken = timedDelay().first;
    EXPECT_TRUE(woken >= 0.7 && woken < 0.77) << woken;
}

// A box 560 x (n + 1.5) twips high has listrows n. Letters from files list by name or, for a
// lower-case "p", as spaces only; a box too low for one row (listrows 0) still shows the newest,
// and at listrows -1 nothing. The indent is the box's width over 480, halves rounded to even.
TEST_F(EntryTest, ListingShowsWhatFitsEndingWithTheNewestCommand) {
    const Words all = {"forwards", "backwards", "left", "right", "pen up", "pen down", ""};
    const struct {
        double height;
        const char* letters;
        Words words;
        int spaces;
        double width = 11.4 * 480;
    } cases[] = {{560 * 9.5, "FBLRUDp", all, 11},
                 {560 * 6.5, "FFFFFFFBLRUDp", {all.begin() + 1, all.end()}, 11},
                 {560 * 6.5, "", {}, 11},
                 {600, "FBL", {"left"}, 11},
                 {500, "FBL", {}, 11},
                 {560 * 6.5, "F", {"forwards"}, 8, 8.03 * 480},
                 {560 * 6.5, "F", {"forwards"}, 8, 8.5 * 480},
                 {560 * 6.5, "F", {"forwards"}, 10, 9.5 * 480}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.letters << " in " << c.width << " x " << c.height);
        program().ProgramText.twips.set(0, 0, c.width, c.height);
        prog = c.letters;
        buttons().printprog();
        EXPECT_EQ(listedWords(), c.words);
        for (const ListingRow& row : listingRows()) EXPECT_EQ(row.spaces, c.spaces);
    }
}

// Only the current step's word is emphasised; a program as long as listrows gets a row of
// spaces below it during a run.
TEST_F(EntryTest, DuringARunTheListingFollowsTheCurrentStep) {
    program().ProgramText.twips.setHeight(560 * 6.5);  // listrows 5
    const struct {
        int length, step, first, last;
    } steps[] = {{12, 1, 1, 6}, {12, 5, 1, 6},   {12, 6, 1, 6},
                 {12, 7, 2, 7}, {12, 12, 7, 12}, {5, 1, 1, 6}};
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "step " << s.step << " of " << s.length);
        prog = QString(s.length, 'F');
        buttons().doprintprog(s.step);
        EXPECT_EQ(buttons().firstline, s.first);
        EXPECT_EQ(buttons().lastline, s.last);
        const std::vector<ListingRow> rows = listingRows();
        ASSERT_EQ(rows.size(), static_cast<size_t>(s.last - s.first + 1));
        for (int line = s.first; line <= s.last; ++line) {
            const ListingRow& row = rows[line - s.first];
            EXPECT_EQ(row.word, line <= s.length ? "forwards" : "") << line;
            EXPECT_EQ(row.wordEmphasised, line == s.step) << line;
            EXPECT_TRUE(row.spacesPlain && row.spaces > 0) << line;
        }
        EXPECT_FALSE(program().ProgramText.surface().font().bold);
    }
}

}  // namespace
