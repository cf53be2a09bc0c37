#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "platform/screen.h"
#include "platform/surface.h"
#include "platform/widgets.h"

using platform::Line;
using platform::PenStyle;
using platform::Scale;
using platform::Surface;
using platform::SurfaceWidget;

namespace {

class SurfaceTest : public testing::Test {
  protected:
    void SetUp() override { platform::useFixedScreen(1024, 768, 15, 15); }
    void TearDown() override { platform::useRealScreen(); }
};

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++count;
    return count;
}

TEST_F(SurfaceTest, PenStateStaysUntilChangedAndGoesIntoEachLine) {
    Surface surface;
    surface.setDrawWidth(5);
    surface.setDrawColor(Qt::blue);
    surface.line(0, 0, 150, 0);
    surface.setDrawStyle(PenStyle::Dotted);
    surface.line(0, 0, 0, 150);
    ASSERT_EQ(surface.commands().size(), 2u);
    const auto& first = std::get<Line>(surface.commands()[0]);
    const auto& second = std::get<Line>(surface.commands()[1]);
    EXPECT_EQ(first.pen, (platform::Pen{Qt::blue, 5, PenStyle::Solid}));
    EXPECT_EQ(second.pen, (platform::Pen{Qt::blue, 5, PenStyle::Dotted}));
    surface.cls();
    EXPECT_TRUE(surface.commands().empty());
    EXPECT_EQ(surface.pen().widthPixels, 5);
}

TEST_F(SurfaceTest, PrintingStaysOnTheLineOrEndsIt) {
    Surface surface;
    surface.setFont({QStringLiteral("MS Sans Serif"), 24});
    surface.print(QStringLiteral("   "), false);
    EXPECT_GT(surface.currentX(), 0);
    EXPECT_EQ(surface.currentY(), 0);
    surface.print(QStringLiteral("forwards"), true);
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_DOUBLE_EQ(surface.currentY(), surface.textHeight());
    ASSERT_EQ(surface.commands().size(), 2u);
    EXPECT_GT(std::get<platform::Text>(surface.commands()[1]).at.x(), 0);
}

// Covering a window must not lose what was drawn: every paint comes from the kept list.
TEST_F(SurfaceTest, DrawingIsRepaintedFromWhatWasKept) {
    SurfaceWidget box(nullptr, Scale::Twips, Qt::white, true);
    box.resize(200, 100);
    box.surface().setFont({QStringLiteral("MS Sans Serif"), 24});
    box.surface().setForeColor(Qt::black);
    box.surface().print(QStringLiteral("forwards"), true);
    const QImage first = box.grab().toImage();
    EXPECT_GT(darkPixels(first, QRect(2, 2, 150, 30)), 50);

    QWidget cover;
    cover.setGeometry(box.geometry());
    cover.show();
    box.show();
    box.repaint();
    EXPECT_EQ(box.grab().toImage(), first);

    box.surface().cls();
    EXPECT_EQ(darkPixels(box.grab().toImage(), QRect(2, 2, 150, 30)), 0);
}

// Thickness in pixels of the dark band crossing the image's middle row or column.
int bandAcross(const QImage& image, bool alongX) {
    const int length = alongX ? image.width() : image.height();
    int dark = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb pixel =
            alongX ? image.pixel(i, image.height() / 2) : image.pixel(image.width() / 2, i);
        if (qGray(pixel) < 100) ++dark;
    }
    return dark;
}

// At 15 x 12 twips per pixel a 5-pixel pen must still be 5 pixels across both ways.
TEST_F(SurfaceTest, PenWidthIsDevicePixelsInBothDirections) {
    platform::useFixedScreen(1024, 768, 15, 12);
    SurfaceWidget floor(nullptr, Scale::Twips, Qt::white, false);
    floor.resize(60, 60);
    floor.surface().setDrawWidth(5);
    floor.surface().line(450, 0, 450, 720);  // vertical, at x 30 px
    const int vertical = bandAcross(floor.grab().toImage(), true);
    floor.surface().cls();
    floor.surface().line(0, 360, 900, 360);  // horizontal, at y 30 px
    const int horizontal = bandAcross(floor.grab().toImage(), false);
    EXPECT_EQ(vertical, 5);
    EXPECT_EQ(horizontal, 5);
}

TEST_F(SurfaceTest, ThinDottedLineAlternatesPixels) {
    SurfaceWidget floor(nullptr, Scale::Twips, Qt::white, false);
    floor.resize(40, 10);
    floor.surface().setDrawStyle(PenStyle::Dotted);
    floor.surface().line(0, 75, 600, 75);
    const QImage image = floor.grab().toImage();
    const int inked = darkPixels(image, QRect(0, 0, 40, 10));
    EXPECT_GE(inked, 15);
    EXPECT_LE(inked, 25);
}

// A robot picture painted over its whole box hides everything before it, so the box's list
// must not grow with every step of every run.
TEST_F(SurfaceTest, PictureCoveringTheWholeSurfaceReplacesWhatItHides) {
    SurfaceWidget box(nullptr, Scale::Pixels, Qt::green, false);
    box.resize(35, 35);
    platform::Picture picture;
    picture.normal = QImage(35, 35, QImage::Format_RGB32);
    picture.normal.fill(Qt::white);
    for (int i = 0; i < 100; ++i) box.surface().paintPicture(picture, 0, 0);
    EXPECT_EQ(box.surface().commands().size(), 1u);
    box.surface().paintPicture(picture, 10, 0);
    EXPECT_EQ(box.surface().commands().size(), 2u);
}

TEST_F(SurfaceTest, PointsModeKeepsThePositionAndWhatIsKeptStaysInTwips) {
    Surface page;
    page.setCurrentX(1440);
    page.setCurrentY(200);
    page.setScaleMode(Scale::Points);
    EXPECT_DOUBLE_EQ(page.currentX(), 72);
    EXPECT_DOUBLE_EQ(page.currentY(), 10);
    page.setCurrentY(page.currentY() + 4);
    page.print(QStringLiteral("me"), false);
    page.line(0, 0, 72, 36);
    page.setScaleMode(Scale::Twips);
    EXPECT_DOUBLE_EQ(page.currentX(), 1440);
    EXPECT_DOUBLE_EQ(page.currentY(), 720);
    ASSERT_EQ(page.commands().size(), 2u);
    EXPECT_EQ(std::get<platform::Text>(page.commands()[0]).at, QPointF(1440, 280));
    EXPECT_EQ(std::get<Line>(page.commands()[1]).to, QPointF(1440, 720));
}

// The printer's pixel is its dot, not the screen's pixel: pens and text are measured there.
TEST_F(SurfaceTest, OnA600DpiDevicePensAreDotsAndTextIsMeasuredThere) {
    platform::useFixedScreen(1024, 768, 10, 10);  // a screen unlike the page
    QImage paper(1200, 600, QImage::Format_RGB32);
    paper.setDotsPerMeterX(qRound(600 / 0.0254));
    paper.setDotsPerMeterY(qRound(600 / 0.0254));
    paper.fill(Qt::white);

    Surface page;
    page.setDevice(&paper);
    page.setFont({QStringLiteral("MS Sans Serif"), 14});
    page.setScaleMode(Scale::Points);
    // A line of 14-point text is a little over 14 points high, whatever the screen is.
    EXPECT_GT(page.textHeight(), 14);
    EXPECT_LT(page.textHeight(), 18);
    page.setScaleMode(Scale::Twips);
    page.setDrawWidth(5);
    page.line(720, 0, 720, 1440);

    QPainter painter(&paper);
    painter.scale(1 / page.unitsPerPixelX(), 1 / page.unitsPerPixelY());
    page.replay(painter);
    painter.end();
    double ink = 0;
    for (int x = 280; x < 320; ++x) ink += (255 - qGray(paper.pixel(x, 300))) / 255.0;
    EXPECT_NEAR(ink, 5, 0.3);
}

TEST_F(SurfaceTest, TextPastTheBottomOfAPageContinuesAtTheTopOfTheNextAtTheSameX) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QSizeF(4, 2), QPageSize::Inch));
    writer.setPageMargins(QMarginsF());

    Surface page;
    page.setDevice(&writer);
    page.setFont({QStringLiteral("MS Sans Serif"), 14});
    ASSERT_DOUBLE_EQ(page.pageSize().height(), 2880);
    for (int i = 0; i < 20; ++i) {
        page.setCurrentX(3000);
        page.print(QStringLiteral("forwards"), false);
        page.print(QString(), true);
    }
    int pages = 1;
    for (const platform::Command& command : page.commands()) {
        if (std::holds_alternative<platform::PageBreak>(command)) {
            ++pages;
            continue;
        }
        const auto& text = std::get<platform::Text>(command);
        EXPECT_LE(text.at.y() + 280, 2880);
        if (!text.text.isEmpty()) {
            EXPECT_EQ(text.at.x(), 3000);
        }
    }
    EXPECT_EQ(pages, 3);  // 20 lines of about 16 points, 8 to a 2-inch page
}

}  // namespace
