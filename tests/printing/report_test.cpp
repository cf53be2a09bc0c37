#include <QDate>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>

#include <sys/resource.h>

#include "app/status.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;
using platform::Text;

namespace {

// Where a cell of a 20 x 12 floor stands on the fake printers' 12240-twip page.
QPointF at(double column, double row) {
    constexpr double cell = 12240.0 / 44;
    return {(column + 2) * cell, (row + 1) * cell + 1000};
}

bool near(QPointF a, QPointF b) {
    return QLineF(a, b).length() < 0.01;
}

template <class Kind>
std::vector<Kind> printed() {
    std::vector<Kind> found;
    for (const platform::Command& command : PrinterSupport::printer().commands())
        if (const auto* item = std::get_if<Kind>(&command)) found.push_back(*item);
    return found;
}

// On a 20 x 12 floor, with no printer unless a test chooses one.
class PrintTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        GraphicsWindow& main = graphics();
        main.twips.setWidth(20.6 * cellsize);
        main.load.twips.setTop(main.progname.twips.top() + main.progname.twips.height() +
                               12.6 * cellsize);
    }

    // A target at column -1 is hidden.
    static void print(const QString& program, int column = 3, int row = 3) {
        prog = program;
        targetx = static_cast<std::int16_t>(column), targety = static_cast<std::int16_t>(row);
        graphics().target.setVisible(column >= 0);
        graphics().PrintButton_Click();
    }

    const QString pdf = home.filePath("brindle/marlo/programs/me/my program.pdf");
};

// Each step is drawn before its boundary check, so a step off the floor ends on the boundary
// line; "crashed!!" then ends the replay: nothing drawn after it and no outcome word. The
// last case, one "F" from home that misses its target, leaves the page read after the loop.
TEST_F(PrintTest, PathTargetHeaderAndListingOnALetterPageWithATwentyByTwelveFloor) {
    const struct {
        QString prog;
        int column, row;
        const char* word;
        size_t steps;
        QPointF end;
    } cases[] = {{"", 3, 3, nullptr, 0, {}},
                 {"FPF", 10, 4, "well done!", 3, {10, 4}},
                 {"FF", -1, 3, nullptr, 2, {10, 4}},
                 {"FFFFFFFRFF", 10, 0, "crashed!!", 7, {10, -1}},
                 {"RFFFFFFFFFFFFFFF", 19, 6, "crashed!!", 11, {20, 6}},
                 {"F", 3, 3, "missed", 1, {10, 5}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prog.toStdString());
        print(c.prog, c.column, c.row);
        // The path, then the four sides of the boundary.
        const auto lines = printed<platform::Line>();
        ASSERT_EQ(lines.size(), c.steps + 4);
        if (c.steps > 0) {
            EXPECT_PRED2(near, lines[c.steps - 1].from, at(c.end.x(), c.end.y()));
        }
        // The word below the floor comes first, then the header, one empty line, and a word
        // and the line's end for each letter.
        const auto texts = printed<Text>();
        ASSERT_EQ(texts.size(), 5 + (c.word ? 1 : 0) + 2 * c.prog.size());
        EXPECT_EQ(texts[0].text, c.word ? c.word : "my program");
        EXPECT_PRED2(near, texts[0].at, c.word ? QPointF(2938.18, 5016.36) : QPointF(3060, 200));
        const auto boxes = printed<platform::Box>();
        ASSERT_EQ(boxes.size(), c.column >= 0 ? 1u : 0u);
        if (boxes.empty()) continue;
        EXPECT_PRED2(near, boxes[0].corner, at(c.column - 0.5, c.row - 0.5));
        EXPECT_PRED2(near, boxes[0].opposite, at(c.column + 0.5, c.row + 0.5));
        EXPECT_FALSE(boxes[0].filled);
    }
    // "F" from home: one cell of 278.18 north, then the boundary.
    const auto lines = printed<platform::Line>();
    EXPECT_PRED2(near, lines[0].to, QPointF(3338.18, 2947.27));
    EXPECT_PRED2(near, lines[0].from, QPointF(3338.18, 2947.27 - 278.18));
    const QLineF boundary[] = {{278, 1000, 6120, 1000},
                               {278, 4616, 6120, 4616},
                               {278, 1000, 278, 4616},
                               {6120, 1000, 6120, 4616}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(QLineF(lines[i + 1].from, lines[i + 1].to), boundary[i]) << i;
    // The header from a quarter across: 18-point names, 14-point pieces 4 points lower.
    const auto texts = printed<Text>();
    const char* header[] = {"my program", "  written by ", "me", " on 05/12/2026"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(texts[i + 1].text, header[i]);
        EXPECT_EQ(texts[i + 1].font.points, i % 2 ? 14 : 18) << header[i];
        EXPECT_EQ(texts[i + 1].at.y(), i % 2 ? 280 : 200) << header[i];
    }
    EXPECT_EQ(texts[6].text, "forwards");
    EXPECT_EQ(texts[6].at.x(), 7344);
}

// The replay used to leave the robot variables where the paper robot ended, while the robot
// on screen stayed put; and a job that failed used to look just like one that printed.
TEST_F(PrintTest, AfterPrintingTheRobotAndListingAreAsBeforeAndTheStatusSaysWhatWentWrong) {
    const struct {
        const char* printer;
        bool refuse;
        const char* status;
    } cases[] = {{"classroom", false, "missed!"},
                 {nullptr, false, "saved as my program.pdf"},
                 {"classroom", true, "not printed"},
                 {nullptr, true, "not printed"}};
    // During a run it only stops it.
    running = yes;
    print(QStringLiteral("FF"));
    expectSeen({.status = "stopped!", .running = false});
    EXPECT_FALSE(QFile::exists(pdf));
    xpos = 3, ypos = 4, heading = 2, oldx = 2, oldy = 4;
    Module2::drawrobot();
    const QRect robot = graphics().P2.geometry();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.printer ? "printer: " : "PDF: ") + c.status);
        printers.printer = c.printer ? std::optional<QString>(c.printer) : std::nullopt;
        printers.refuse = c.refuse;
        program().ProgramText.surface().cls();
        showStatus(QStringLiteral("missed!"));
        print(QStringLiteral("RFFFFFFFFFFFFFFFFFFFF"));  // crashes on paper
        expectSeen({.status = c.status, .column = 3, .row = 4, .heading = 2, .crashed = false});
        EXPECT_EQ(QPoint(oldx, oldy), QPoint(2, 4));
        EXPECT_EQ(graphics().P2.geometry(), robot);
        EXPECT_FALSE(program().ProgramText.surface().commands().empty()) << "listing not redrawn";
    }
}

TEST_F(PrintTest, SavedReportIsNamedAfterTheProgramButNeverAPathOrAProgramFile) {
    const struct {
        QString name, file;
    } cases[] = {{"../../etc/passwd", "_.._etc_passwd.pdf"},
                 {"..", "program.pdf"},
                 {"square.mlo", "square.mlo.pdf"},
                 // Trimmed before the dots go, so the file is not hidden.
                 {" ..x", "x.pdf"},
                 {"a\tb\x7f", "a_b_.pdf"},
                 {QString(QChar(0xdc00)) + "a", "_a.pdf"},
                 // File systems take 255 bytes, ".pdf" included, cut where a character ends.
                 {QString(100, QChar(0x674e)), QString(83, QChar(0x674e)) + ".pdf"},
                 {"xxxx" + QString("\U0001F600").repeated(100),
                  "xxxx" + QString("\U0001F600").repeated(61) + ".pdf"},
                 {QString(300, QLatin1Char('x')), QString(251, QLatin1Char('x')) + ".pdf"}};
    // Each made on the disk; a writer's name that is not a folder keeps them in the programs
    // folder, and the last one's second copy fits its number in the 255 bytes too.
    author = QStringLiteral("../..");
    QStringList expected{QString(249, QLatin1Char('x')) + " 2.pdf"};
    for (const auto& c : cases) {
        programname = c.name;
        print(QString());
        expected.append(c.file);
    }
    print(QString());
    expected.sort();
    EXPECT_EQ(QDir(home.filePath("brindle/marlo/programs")).entryList(QDir::Files | QDir::Hidden),
              expected);
}

QByteArray run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0) << tool.toStdString();
    return process.readAllStandardOutput();
}

// A class keeping the default name used to keep only the last report, and a full disk left a
// report cut short in place of a good one; long names ran off the paper and lost the date.
TEST_F(PrintTest, EachReportIsANewWholeFileWithItsWholeHeaderOnThePaper) {
    programname = QStringLiteral("my very very long prog");
    author = QStringLiteral("Zo\u00e9 \u0141ukasz-Wr\u00f3blewska");
    const QDir folder(home.filePath("brindle/marlo/programs/" + author));
    const auto contents = [&](const QString& name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    print(QStringLiteral("FF"), -1);
    const QByteArray first = contents("my very very long prog.pdf");
    print(QStringLiteral("FF"), -1);
    EXPECT_EQ(currentStatus(), "saved as my very very long prog 2.pdf");
    EXPECT_EQ(graphics().warnings.toolTip(), folder.filePath("my very very long prog 2.pdf"));
    // A full disk: no file grows beyond 4 KB.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    const rlimit full{4096, original.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    print(QStringLiteral("FF"), -1);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &original), 0);
    EXPECT_EQ(currentStatus(), "not printed");
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::Reversed),
              (QStringList{"my very very long prog.pdf", "my very very long prog 2.pdf"}));
    EXPECT_EQ(contents("my very very long prog.pdf"), first);

    const QString header = QString::fromUtf8(run(
        "pdftotext", {"-l", "1", "-layout", folder.filePath("my very very long prog.pdf"), "-"}));
    EXPECT_TRUE(header.simplified().contains("my very very long prog written by " + author +
                                             " on 05/12/2026"))
        << header.toStdString();
    // Both sizes shrink together, and the smaller pieces' drop with them.
    const auto texts = printed<Text>();
    const double scale = texts[0].font.points / 18;
    EXPECT_LT(scale, 1);
    EXPECT_DOUBLE_EQ(texts[1].font.points, 14 * scale);
    EXPECT_DOUBLE_EQ(texts[2].font.points, 18 * scale);
    EXPECT_DOUBLE_EQ(texts[1].at.y() - texts[0].at.y(), 4 * 20 * scale);
    EXPECT_EQ(texts[5].font.points, 14);  // the listing keeps its size
}

// The words under the floor stand under its middle, a real half: column 7.5 of 15.
TEST_F(PrintTest, WordsBelowAFloorOfFifteenColumnsStandUnderItsMiddle) {
    graphics().twips.setWidth(15.6 * cellsize);
    print(QStringLiteral("F"));
    EXPECT_NEAR(printed<Text>()[0].at.x(), 9.5 * 12240 / 34 - 400, 0.01);
}

// Pens are the printer's dots: on screen-sized pixels the path would be six times as thick at
// 600 dpi. Text is measured on the page, and lines that do not fit go on following pages.
TEST_F(PrintTest, OnPaperAt600Dpi) {
    print(QStringLiteral("FFRF") + QString(296, QLatin1Char('L')));
    const QImage page = QImage::fromData(
        run("pdftoppm", {"-r", "600", "-l", "1", "-W", "2600", "-H", "2400", "-png", pdf}));
    const auto ink = [&](QPointF twips, QPoint step) {
        double dark = 0;
        for (int i = -20; i < 20; ++i)
            dark += 1 - qGray(page.pixel((twips / 2.4).toPoint() + i * step)) / 255.0;
        return dark;
    };
    EXPECT_NEAR(ink(at(10, 5.5), {1, 0}), 5, 0.3);  // across the first step north
    EXPECT_NEAR(ink(at(5, -1), {0, 1}), 10, 0.3);   // down across the top boundary

    // The name's right edge and the next piece's left, in points: two 14-point spaces apart.
    static const QRegularExpression edges(QStringLiteral(
        R"re(xMax="([\d.]+)" yMax="[\d.]+">program</word>\s*<word xMin="([\d.]+)")re"));
    const auto m = edges.match(QString::fromUtf8(run("pdftotext", {"-bbox", "-l", "1", pdf, "-"})));
    EXPECT_NEAR(m.captured(2).toDouble() - m.captured(1).toDouble(), 2 * 3.9, 1.0);

    const QByteArray words = run("pdftotext", {pdf, "-"});
    EXPECT_EQ(words.count("left"), 296);
    for (const Text& text : printed<Text>()) EXPECT_LE(text.at.y(), 15840 - 280);
    const auto breaks = printed<platform::PageBreak>().size();
    EXPECT_GT(breaks, 1u);
    EXPECT_EQ(words.count('\f'), breaks + 1);  // pages
    // Each later page starts with a small running header; the listing goes on below it, in
    // its own column and size.
    const auto& commands = PrinterSupport::printer().commands();
    int number = 1;
    for (size_t i = 0; i + 2 < commands.size(); ++i) {
        if (!std::holds_alternative<platform::PageBreak>(commands[i])) continue;
        const auto& header = std::get<Text>(commands[i + 1]);
        const auto& next = std::get<Text>(commands[i + 2]);
        EXPECT_EQ(
            header.text,
            QString("my program, written by me, page %1 of %2").arg(++number).arg(breaks + 1));
        EXPECT_GE(next.at.y(), header.at.y() + 10 * 20);
        EXPECT_EQ(next.at.x(), 7344);
        EXPECT_EQ(next.font.points, 14);
    }
}

}  // namespace
