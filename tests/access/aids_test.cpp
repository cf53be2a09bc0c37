#include <QAccessible>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "access/access.h"
#include "app/status.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

void key(Qt::Key pressed) {
    QTest::keyClick(&buttons().go, pressed);
}

QString emphasised() {
    for (const ListingRow& row : listingRows())
        if (row.wordEmphasised) return row.word;
    return {};
}

// The line of the listing that a screen reader finds marked.
QString markedLine() {
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&program().ProgramText)->textInterface();
    for (const QString& line : text->text(0, text->characterCount()).split('\n'))
        if (line.endsWith(", this step")) return line;
    return {};
}

// Each press of S runs one command, with the run's drawing and listing; the step that leaves
// the floor shows the crash, as does the last step its verdict. Any other press stops.
TEST_F(MarloTest, StepRunsOneCommandAPressUntilACrashAVerdictOrAnotherPress) {
    const struct {
        const char* program;
        int presses;
        QPushButton* stop = nullptr;
        const char* verdict;
    } cases[] = {{"FFFFFFFFF", 8, nullptr, "crashed!"},  // row 7 going north: the 8th leaves
                 {"RP", 2, nullptr, "finished"},
                 {"FFF", 1, &buttons().pause, "stopped!"},
                 {"FFF", 2, &buttons().go, "stopped!"}};
    for (const auto& c : cases) {
        prog = c.program;
        dispatch.restart();
        std::vector<std::tuple<int, QString, QString, QString>> seen;
        for (int press = 1; press < c.presses + (c.stop != nullptr); ++press)
            dispatch.atTick(press - 1, [&, press] {
                seen.emplace_back(ypos, emphasised(), markedLine(), currentStatus());
                press < c.presses ? key(Qt::Key_S) : c.stop->click();
            });
        dispatch.atTick(100, [] { buttons().go.click(); });  // ends a step that waits too long
        key(Qt::Key_S);
        for (std::size_t i = 0; i < seen.size(); ++i) {
            const QString word = PrinterSupport::commandword(QString(c.program[i]));
            EXPECT_EQ(seen[i], std::tuple(7 - static_cast<int>(i + 1) * (c.program[0] == 'F'), word,
                                          QString("%1 %2, this step").arg(i + 1).arg(word),
                                          QString("running")));
        }
        // No wait after the last press: its step gives the verdict.
        EXPECT_EQ(std::tuple(currentStatus(), emphasised(), running, prog, dispatch.ticks),
                  std::tuple(QString(c.verdict), QString(), no, QString(c.program),
                             c.presses - 1 + (c.stop != nullptr)));
    }
    EXPECT_EQ(ypos, 5);  // Go stopped the steps; a run would have put the robot home
}

// Backspace takes the last command off, as a press would add one, and Page Up, Page Down and
// the wheel move a long listing back; the next press shows the newest again. A run is stopped
// by Backspace and S, and not scrolled.
TEST_F(MarloTest, BackspaceUndoesAndTheListingLooksBackBetweenRuns) {
    platform::setSpokenMode(true);
    prog = "FBLRP";
    showStatus("finished");
    key(Qt::Key_Backspace);
    EXPECT_EQ(std::tuple(prog, listedWords().back(), currentStatus(), saved, speech.said.back()),
              std::tuple("FBLR", "right", "", no, "undo"));
    prog = "F";
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(std::tuple(prog, listedWords().size(), saved), std::tuple("", 0u, yes));

    prog = QString(10, 'L') + QString(10, 'R');
    const auto wheel = [](int notches) {
        QWheelEvent turned({5, 5}, {5, 5}, {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
        QApplication::sendEvent(&program().ProgramText, &turned);
    };
    const std::pair<std::function<void()>, int> moves[] = {
        // and the listing's first row
        {[] { key(Qt::Key_PageUp); }, 13 - 7},
        {[&] { wheel(-1); }, 6 + 3},
        {[] { key(Qt::Key_PageUp), key(Qt::Key_PageUp); }, 1},  // no further than the first
        {[] { key(Qt::Key_PageDown); }, 1 + 7},
        {[] { emit buttons().clear.pressed(); }, 13}};
    for (const auto& [move, firstShown] : moves) {
        move();
        EXPECT_EQ(std::pair(buttons().firstline, listedWords().size()),
                  std::pair(firstShown, std::size_t{8}));
    }
    for (const Qt::Key during : {Qt::Key_PageUp, Qt::Key_S, Qt::Key_Backspace}) {
        running = yes;
        key(during);
    }
    EXPECT_EQ(std::tuple(buttons().firstline, prog.size(), heading, currentStatus()),
              std::tuple(13, 20, 1, "stopped!"));
}

// The relative luminance and contrast of two colours, as WCAG measures them.
double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// What is drawn and what it is drawn on, from the pixels painted: the commonest colour is the
// ground, and the mark is the colour, of a few pixels at least, that stands out from it most.
double paintedContrast(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
    const QRgb ground = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                            return a.second < b.second;
                        })->first;
    double most = 1;
    for (const auto& [colour, count] : counts)
        if (count >= 5) most = std::max(most, contrast(colour, ground));
    return most;
}

TEST_F(MarloTest, HighContrastTextAtSevenToOneAndTheFloorsMarksAtThreeToOne) {
    a11y::setOptions({.highContrast = true});
    start();
    GraphicsWindow& main = graphics();
    std::tie(prog, targetx, targety) = std::tuple("FFRF", 2, 2);
    main.target.show();
    main.showtarget();
    buttons().go.click();
    buttons().doprintprog(2);
    std::vector<QWidget*> texts{&program().ProgramText};
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &program(), &QueryExit()})
        for (QWidget* text : window->findChildren<QWidget*>())
            if (!text->property("text").toString().isEmpty()) texts.push_back(text);
    for (QWidget* text : texts) {
        const QString name = text->property("text").toString();
        const double ratio = paintedContrast(text->grab().toImage());
        std::printf("%-32s %5.2f : 1\n", qPrintable(name.isEmpty() ? "(the listing)" : name),
                    ratio);
        EXPECT_GE(ratio, 7) << name.toStdString();
    }
    // Each mark on the floor round it, in a few pixels about a point given in twips.
    const QImage floor = main.grab().toImage();
    const auto around = [&](double x, double y, int width, int height) {
        return floor.copy(std::lround(x / 15) + 1 - width / 2, std::lround(y / 15) + 1 - height / 2,
                          width, height);
    };
    const std::pair<const char*, QImage> marks[] = {
        {"boundary", around(leftedge, Module2::centrey(3), 20, 20)},
        {"grid", around(Module2::centrex(2) + 292.5, Module2::centrey(2), 10, 30)},
        {"trail", around(Module2::centrex(8), Module2::centrey(6), 16, 10)},
        {"target", around(Module2::centrex(2), Module2::centrey(2), 37, 37)},
        {"robot", main.P2.grab().toImage()}};
    for (const auto& [mark, pixels] : marks) {
        std::printf("%-32s %5.2f : 1\n", mark, paintedContrast(pixels));
        EXPECT_GE(paintedContrast(pixels), 3) << mark;
    }
}

}  // namespace

// Two switches scan without a timer: Space moves the highlight, Enter presses. The step button
// fills the keypad's empty top right corner and is scanned after forwards.
TEST_F(MarloTest, TwoSwitchesAndTheStepButton) {
    a11y::setOptions({.scan = true, .twoSwitches = true, .stepButton = true});
    start();
    ButtonsWindow& keypad = buttons();
    QPushButton* step = nullptr;
    for (QPushButton* button : keypad.Picture1.client().findChildren<QPushButton*>())
        if (button->accessibleName() == "step") step = button;
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->pos(), QPoint(keypad.go.x(), keypad.forwards.y()));
    const auto highlighted = [&] {
        for (QWidget* ring : keypad.Picture1.client().findChildren<QWidget*>())
            if (qobject_cast<QPushButton*>(ring) == nullptr && ring != &keypad.focusRing)
                return ring->geometry().center();
        return QPoint();
    };
    key(Qt::Key_Space);
    EXPECT_EQ(highlighted(), step->geometry().center());
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    EXPECT_EQ(std::pair(prog, highlighted()),
              std::pair(QString("L"), keypad.LeftTurn.geometry().center()));
}
