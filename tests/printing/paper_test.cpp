#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <map>

#include "printing/print_fixture.h"

using namespace variables;

namespace {

QByteArray runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished && process.exitCode() == 0)
        << tool.toStdString()
        << " (poppler-utils) failed: " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// Ink across the page, in pixels: a grey pixel counts for as much as it is dark.
double inkAlong(const QImage& page, QPoint from, QPoint step, int count) {
    double ink = 0;
    for (int i = 0; i < count; ++i, from += step) ink += (255 - qGray(page.pixel(from))) / 255.0;
    return ink;
}

constexpr double twipsPerDot = 1440.0 / 600;

QPoint dot(double x, double y) {
    return {static_cast<int>(x / twipsPerDot), static_cast<int>(y / twipsPerDot)};
}

struct WordBox {
    double xMin, yMin, xMax, yMax;
};

class PaperTest : public PrintTest {
  protected:
    QString printToPdf() {
        programname = QStringLiteral("square");
        graphics().PrintButton_Click();
        return pdfPath(QStringLiteral("square.pdf"));
    }

    // The top left of the first page, where the floor is, at 600 dpi.
    QImage floorAt600Dpi(const QString& pdf) {
        const QString png = home.filePath(QStringLiteral("page"));
        runTool(
            QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("600"), QStringLiteral("-f"), QStringLiteral("1"),
             QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-x"), QStringLiteral("0"),
             QStringLiteral("-y"), QStringLiteral("0"), QStringLiteral("-W"),
             QStringLiteral("2600"), QStringLiteral("-H"), QStringLiteral("2400"),
             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, png});
        return QImage(png + QStringLiteral(".png"));
    }

    // The first box of each word on the first page, in points.
    std::map<QString, WordBox> words(const QString& pdf) {
        const QString html = QString::fromUtf8(
            runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                                  QStringLiteral("1"), pdf, QStringLiteral("-")}));
        static const QRegularExpression word(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        std::map<QString, WordBox> found;
        for (const auto& match : word.globalMatch(html))
            found.try_emplace(match.captured(5),
                              WordBox{match.captured(1).toDouble(), match.captured(2).toDouble(),
                                      match.captured(3).toDouble(), match.captured(4).toDouble()});
        return found;
    }
};

// Pen widths are the printer's dots: on screen-sized pixels the path would be six times as
// thick on a 600-dpi page.
TEST_F(PaperTest, PathIsFiveDotsAndBoundaryTenAt600Dpi) {
    setFloor(20, 12);
    prog = QStringLiteral("FFRF");
    const QImage page = floorAt600Dpi(printToPdf());
    ASSERT_FALSE(page.isNull());

    // Across the first step north from home, and down across the top boundary.
    const QPoint path = dot(px(10), py(5.5));
    EXPECT_NEAR(inkAlong(page, path - QPoint(20, 0), {1, 0}, 40), 5, 0.3);
    const QPoint top = dot(px(5), 1000);
    EXPECT_NEAR(inkAlong(page, top - QPoint(0, 20), {0, 1}, 40), 10, 0.3);
    const QPoint right = dot(px(20), py(3));
    EXPECT_NEAR(inkAlong(page, right - QPoint(20, 0), {1, 0}, 40), 10, 0.3);
}

TEST_F(PaperTest, HeaderPiecesShareALineWithTheSmallerOnesFourPointsLower) {
    prog = QStringLiteral("FL");
    const std::map<QString, WordBox> found = words(printToPdf());
    for (const char* expected :
         {"square", "written", "by", "me", "on", "05/12/2026", "forwards", "left"})
        ASSERT_TRUE(found.count(QString::fromLatin1(expected))) << expected;
    const WordBox name = found.at("square"), written = found.at("written"), by = found.at("by"),
                  me = found.at("me"), on = found.at("on");
    // Tops of text boxes: 18-point pieces at 10 points, 14-point pieces 4 points lower.
    EXPECT_NEAR(name.yMin, 10, 0.5);
    EXPECT_NEAR(me.yMin, name.yMin, 0.3);
    EXPECT_NEAR(written.yMin - name.yMin, 4, 0.5);
    EXPECT_NEAR(on.yMin - name.yMin, 4, 0.5);
    EXPECT_NEAR(name.xMin, 12240 / 4.0 / 20, 0.5);
    // Each piece starts where the one before ends on paper: two 14-point spaces after the
    // name, one before the writer.
    EXPECT_NEAR(written.xMin - name.xMax, 2 * 0.278 * 14, 1.0);
    EXPECT_NEAR(me.xMin - by.xMax, 0.278 * 14, 1.0);
    EXPECT_NEAR(on.xMin - me.xMax, 0.278 * 14, 1.0);
    EXPECT_NEAR(found.at("forwards").xMin, 3 * 12240 / 5.0 / 20, 0.5);
}

// Lines that do not fit go on following pages: none is lost off the bottom of a page.
TEST_F(PaperTest, ThreeHundredWordsReachTheLastPage) {
    prog = QString(300, QLatin1Char('L'));
    const QString pdf = printToPdf();
    const QString text =
        QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    EXPECT_EQ(text.count(QStringLiteral("left")), 300);
    const auto& commands = PrinterSupport::printer().commands();
    const auto breaks = std::count_if(commands.begin(), commands.end(), [](const auto& command) {
        return std::holds_alternative<platform::PageBreak>(command);
    });
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    const QString pages = QStringLiteral("Pages:\\s+%1\\n").arg(breaks + 1);
    EXPECT_GT(breaks, 1);
    EXPECT_TRUE(info.contains(QRegularExpression(pages))) << info.toStdString();
}

}  // namespace
