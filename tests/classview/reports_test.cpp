#include <QTemporaryDir>

#include "classview/page_preview.h"
#include "classview/reports.h"
#include "platform/single_instance.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

// One line a command, in twips, with pens, fonts and page breaks.
QStringList listed(const platform::Surface& surface) {
    QStringList lines;
    for (const platform::Command& command : surface.commands()) {
        if (const auto* line = std::get_if<platform::Line>(&command))
            lines << QStringLiteral("line %1 %2 %3 %4 %5")
                         .arg(line->from.x())
                         .arg(line->from.y())
                         .arg(line->to.x())
                         .arg(line->to.y())
                         .arg(line->pen.widthPixels);
        else if (const auto* text = std::get_if<platform::Text>(&command))
            lines << QStringLiteral("text %1 %2 %3 %4")
                         .arg(text->at.x())
                         .arg(text->at.y())
                         .arg(text->font.points)
                         .arg(text->text);
        else
            lines << QStringLiteral("other");
    }
    return lines;
}

class ClassReports : public MarloTest {};

// The floor is the one the pupil's MARLO lays out on the same screen, computed without its
// windows: screens a pixel apart, across several cells' edges both ways, odd twips per pixel,
// and a screen too small for a floor.
TEST_F(ClassReports, WithoutWindowsTheFloorIsThePupilsOnTheSameScreen) {
    struct Screen {
        int width, height;
        double twipsX, twipsY;
    };
    std::vector<Screen> screens = {{1366, 768, 15, 12},
                                   {1920, 1080, 1440.0 / 110, 1440.0 / 110},
                                   {2560, 1440, 7.5, 7.5},
                                   {400, 200, 15, 15}};
    for (int step = 0; step < 80; ++step) screens.push_back({1000 + step, 700 + step, 15, 15});
    for (const Screen& s : screens) {
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " at " << s.twipsX);
        unloadWindows();
        resetAll();
        screen.set(s.width, s.height, s.twipsX, s.twipsY);
        setsizes();
        const std::pair alone(Module2::columncount(), Module2::rowcount());
        start(s.width, s.height, s.twipsX, s.twipsY);
        EXPECT_EQ(alone, std::pair(Module2::columncount(), Module2::rowcount()));
    }
}

// Word for word and line for line, with the crash word in the print button's size.
TEST_F(ClassReports, AProgramIsDrawnAsThePrintButtonPrintsIt) {
    const files::ProgramFields program{"", "up and away", "Sam", "FFRFLP" + QString(20, 'F')};
    unloadWindows();
    resetAll();
    setsizes();
    const auto job = printers.openPdf(home.path(), [](int) { return QString("page.pdf"); });
    const QStringList drawn = listed(classview::drawReports({program}, job->device()));
    EXPECT_FALSE(platform::SingleInstance<GraphicsWindow>::exists());
    start();
    prog = program.prog, programname = program.programname, author = program.author;
    graphics().PrintButton_Click();
    EXPECT_EQ(drawn, listed(PrinterSupport::printer()));
}

// Pens keep their width on paper, so they are thin on a small page; a long listing goes on
// to a second page, which has no floor.
TEST_F(ClassReports, PreviewShowsOnePageAtATimeWithThePapersThinPens) {
    const classview::PdfPage page;
    classview::PagePreview preview;
    preview.resize(300, 420);
    preview.showPages(
        classview::drawReports({{"", "long", "Sam", QString(60, 'P')}}, page.device()), page.size(),
        page.dotsPerInch());
    ASSERT_EQ(preview.pageCount(), 2);
    // The page's part of the preview, and the ink in a column of it.
    const auto shown = [&] {
        const QImage image = preview.grab().toImage();
        const auto white = [&](QPoint at) { return image.pixel(at) == qRgb(255, 255, 255); };
        QRect page(QPoint(0, image.height() / 2), QPoint(image.width() - 1, image.height() / 2));
        while (!white(page.topLeft())) page.setLeft(page.left() + 1);
        while (!white(page.topRight())) page.setRight(page.right() - 1);
        while (white({page.left(), page.top() - 1})) page.setTop(page.top() - 1);
        while (white({page.left(), page.bottom() + 1})) page.setBottom(page.bottom() + 1);
        return image.copy(page);
    };
    const auto inkRuns = [](const QImage& page, double across) {
        std::vector<int> runs;
        const int x = static_cast<int>(across * page.width());
        for (int y = 0, run = 0; y < page.height(); ++y) {
            const bool ink = qGray(page.pixel(x, y)) < 128;
            if (ink) ++run;
            if (!ink && run > 0) runs.push_back(std::exchange(run, 0));
        }
        return runs;
    };
    // A fifth of the way across only the floor's top and bottom edges have ink; the listing
    // starts at three fifths.
    const QImage first = shown();
    EXPECT_EQ(inkRuns(first, 0.2), (std::vector{2, 2}));
    preview.setPage(1);
    const QImage second = shown();
    EXPECT_TRUE(inkRuns(second, 0.2).empty());
    EXPECT_GT(inkRuns(second, 0.61).size() + inkRuns(second, 0.62).size(), 10u);
}

}  // namespace
