#include <QFile>
#include <QFileInfo>

#include "app/status.h"
#include "printing/print_fixture.h"

using namespace variables;
using platform::Line;
using platform::Text;

namespace {

void expectPoint(const QPointF& point, double x, double y) {
    EXPECT_NEAR(point.x(), x, 0.01);
    EXPECT_NEAR(point.y(), y, 0.01);
}

// The words printed below the floor of a 20 x 12 floor on a 12240-twip page.
std::vector<QString> wordsBelowTheFloor() {
    std::vector<QString> words;
    for (const Text& text : PrintTest::printed<Text>())
        if (std::abs(text.at.y() - 5016.36) < 0.01) words.push_back(text.text);
    return words;
}

std::vector<Line> pathLines() {
    std::vector<Line> path;
    for (const Line& line : PrintTest::printed<Line>())
        if (line.pen.widthPixels == 5) path.push_back(line);
    return path;
}

TEST_F(PrintTest, WorkedExampleOnALetterPageWithATwentyByTwelveFloor) {
    setFloor(20, 12);
    ASSERT_EQ(Module2::columncount(), 20);
    ASSERT_EQ(Module2::rowcount(), 12);
    prog = QStringLiteral("F");
    showTarget(3, 3);
    graphics().PrintButton_Click();

    const std::vector<Line> lines = printed<Line>();
    ASSERT_EQ(lines.size(), 5u);
    expectPoint(lines[0].to, 3338.18, 2947.27);             // the step starts from home
    expectPoint(lines[0].from, 3338.18, 2947.27 - 278.18);  // one cell of 278.18 north
    // The boundary: top, bottom, left, right, 10 pixels wide.
    for (int i = 1; i < 5; ++i) EXPECT_EQ(lines[i].pen.widthPixels, 10);
    expectPoint(lines[1].from, 278, 1000);
    expectPoint(lines[1].to, 6120, 1000);
    expectPoint(lines[2].to, 6120, 4616);
    expectPoint(lines[3].from, 278, 1000);
    expectPoint(lines[4].to, 6120, 4616);

    const std::vector<Text> texts = printed<Text>();
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, "missed");
    expectPoint(texts[0].at, 2938.18, 5016.36);
    EXPECT_EQ(texts[1].text, "my program");
    expectPoint(texts[1].at, 3060, 200);
    EXPECT_EQ(textsAt(7344), (std::vector<QString>{"forwards"}));
}

TEST_F(PrintTest, HeaderPiecesShiftFourPointsAndFollowOnInOneLine) {
    graphics().PrintButton_Click();
    std::vector<Text> header;
    for (const Text& text : printed<Text>())
        if (text.at.y() < 1000 && !text.text.isEmpty()) header.push_back(text);
    ASSERT_EQ(header.size(), 4u);
    const double sizes[] = {18, 14, 18, 14};
    const double shifts[] = {0, 80, 0, 80};  // 4 points in twips
    const QString words[] = {"my program", "  written by ", "me", " on 05/12/2026"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(header[i].text, words[i]);
        EXPECT_EQ(header[i].font.points, sizes[i]);
        EXPECT_NEAR(header[i].at.y(), 200 + shifts[i], 1e-9);
        if (i > 0) {
            EXPECT_GT(header[i].at.x(), header[i - 1].at.x());
        }
    }
}

TEST_F(PrintTest, OutcomeAndCrashWordsBelowTheFloor) {
    setFloor(20, 12);  // home is column 10, row 6
    const struct {
        const char* name;
        QString prog;
        bool target;
        int targetColumn, targetRow;
        std::vector<QString> words;
        size_t pathLines;
        bool box;
    } cases[] = {
        {"empty program", "", true, 3, 3, {}, 0, true},
        {"ends on the target", "FPF", true, 10, 4, {"well done!"}, 3, true},
        {"ends elsewhere", "FF", true, 3, 3, {"missed"}, 2, true},
        {"no target", "FF", false, 3, 3, {}, 2, false},
        // Six steps reach row 0, the seventh leaves the floor; nothing after it is drawn,
        // and no verdict even though the robot ends on the target.
        {"off the top", "FFFFFFFRFF", true, 10, 0, {"crashed!!"}, 7, true},
        {"off the right", "RFFFFFFFFFFFFFFF", true, 19, 6, {"crashed!!"}, 11, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prog = c.prog;
        graphics().target.hide();
        if (c.target) showTarget(c.targetColumn, c.targetRow);
        graphics().PrintButton_Click();
        EXPECT_EQ(wordsBelowTheFloor(), c.words);
        EXPECT_EQ(pathLines().size(), c.pathLines);
        EXPECT_EQ(printed<platform::Box>().size(), c.box ? 1u : 0u);
        if (c.box) {
            const platform::Box box = printed<platform::Box>()[0];
            expectPoint(box.corner, px(c.targetColumn - 0.5), py(c.targetRow - 0.5));
            expectPoint(box.opposite, px(c.targetColumn + 0.5), py(c.targetRow + 0.5));
            EXPECT_FALSE(box.filled);
        }
        EXPECT_EQ(textsAt(7344).size(), static_cast<size_t>(c.prog.size()));
    }
}

TEST_F(PrintTest, StepOffTheFloorEndsOnTheBoundaryLine) {
    setFloor(20, 12);
    prog = QStringLiteral("FFFFFFF");
    graphics().PrintButton_Click();
    const std::vector<Line> path = pathLines();
    ASSERT_EQ(path.size(), 7u);
    expectPoint(path.back().from, 3338.18, 1000);
}

TEST_F(PrintTest, PrintingDuringARunOnlyStopsIt) {
    prog = QStringLiteral("FF");
    running = True;
    graphics().PrintButton_Click();
    EXPECT_EQ(running, False);
    EXPECT_EQ(currentStatus(), "stopped!");
    EXPECT_TRUE(printers.opened.empty());
    EXPECT_TRUE(PrinterSupport::printer().commands().empty());
}

// The replay used to leave the robot variables where the paper robot ended, while the robot
// on screen stayed put: the next target could then fall under the robot.
TEST_F(PrintTest, AfterPrintingTheRobotListingAndStatusAreAsBefore) {
    printers.printer = QStringLiteral("classroom");
    prog = QStringLiteral("RFFFFFFFFFFFFFFFFFFFF");  // crashes on paper
    xpos = 3;
    ypos = 4;
    heading = 2;
    oldx = 2;
    oldy = 4;
    Module2::drawrobot();
    const QRect robot = graphics().P2.geometry();
    showStatus(QStringLiteral("missed!"));
    ASSERT_TRUE(program().ProgramText.surface().commands().empty());

    graphics().PrintButton_Click();

    EXPECT_EQ(printers.opened, (std::vector<QString>{"printer classroom"}));
    EXPECT_GT(QFileInfo(printers.paperPath).size(), 0);
    EXPECT_FALSE(textsAt(px(Module2::columncount() / 2.0) - 400).empty()) << "no crash";
    EXPECT_EQ(xpos, 3);
    EXPECT_EQ(ypos, 4);
    EXPECT_EQ(heading, 2);
    EXPECT_EQ(oldx, 2);
    EXPECT_EQ(oldy, 4);
    EXPECT_EQ(crashed, False);
    EXPECT_EQ(graphics().P2.geometry(), robot);
    EXPECT_EQ(currentStatus(), "missed!");
    EXPECT_FALSE(program().ProgramText.surface().commands().empty()) << "listing not redrawn";
    EXPECT_FALSE(QFileInfo::exists(pdfPath("my program.pdf")));
}

TEST_F(PrintTest, WithoutAPrinterTheReportIsSavedInTheWritersFolder) {
    programname = QStringLiteral("square");
    graphics().PrintButton_Click();
    EXPECT_EQ(printers.opened, (std::vector<QString>{pdfPath("square.pdf")}));
    EXPECT_GT(QFileInfo(pdfPath("square.pdf")).size(), 0);
    EXPECT_EQ(currentStatus(), "saved as square.pdf");
}

// A job that failed used to look just like one that printed.
TEST_F(PrintTest, AFailedJobSaysNotPrinted) {
    const struct {
        const char* name;
        bool printer;
        bool refuse;
        bool pdfPathTaken;
    } cases[] = {
        {"printer refuses the job", true, true, false},
        {"PDF not written", false, true, false},
        {"PDF cannot be opened", false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        printers.printer = c.printer ? std::optional<QString>(QStringLiteral("p")) : std::nullopt;
        printers.refuse = c.refuse;
        if (c.pdfPathTaken) {
            QFile::remove(pdfPath("my program.pdf"));
            QDir().mkpath(pdfPath("my program.pdf"));
        }
        showStatus(QStringLiteral("finished"));
        graphics().PrintButton_Click();
        EXPECT_EQ(currentStatus(), "not printed");
    }
}

TEST_F(PrintTest, SavedReportIsNamedAfterTheProgramButNeverAPathOrAProgramFile) {
    const struct {
        QString name, file;
    } cases[] = {
        {"square", "square.pdf"},
        {"../../etc/passwd", "_.._etc_passwd.pdf"},
        {"..", "program.pdf"},
        {"", "program.pdf"},
        {"a\\b", "a_b.pdf"},
        {"square.mlo", "square.mlo.pdf"},
        {".hidden", "hidden.pdf"},
        {QString(300, QLatin1Char('x')), QString(100, QLatin1Char('x')) + ".pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrinterSupport::pdfFileName(c.name), c.file) << c.name.toStdString();

    // A writer's name that is not a folder keeps the file in the programs folder.
    author = QStringLiteral("../..");
    programname = QStringLiteral("../square");
    graphics().PrintButton_Click();
    const QString expected = home.filePath(QStringLiteral("brindle/marlo/programs/_square.pdf"));
    EXPECT_EQ(printers.opened, (std::vector<QString>{expected}));
    EXPECT_TRUE(QFileInfo::exists(expected));
}

}  // namespace
