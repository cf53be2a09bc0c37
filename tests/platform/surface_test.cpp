#include <gtest/gtest.h>

#include <QImage>
#include <QLineF>

#include "platform/screen.h"
#include "platform/widgets.h"
#include "support/fakes.h"

using namespace platform;

namespace {

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 100;
    return count;
}

// At 15 x 12 twips per pixel a 5-pixel pen must still be 5 pixels across both ways; a thin
// dotted line alternates pixels.
TEST(Surface, PensAreDevicePixelsWideInBothDirections) {
    FixedScreen screen;
    screen.set(1024, 768, 15, 12);
    const auto dark = [](double width, PenStyle style, QLineF line, QRect across) {
        SurfaceWidget floor(nullptr, Scale::Twips, Qt::white, false);
        floor.resize(60, 60);
        floor.surface().setDrawWidth(width);
        floor.surface().setDrawStyle(style);
        floor.surface().line(line.x1(), line.y1(), line.x2(), line.y2());
        return darkPixels(floor.grab().toImage(), across);
    };
    EXPECT_EQ(dark(5, PenStyle::Solid, {450, 0, 450, 720}, {0, 30, 60, 1}), 5);
    EXPECT_EQ(dark(5, PenStyle::Solid, {0, 360, 900, 360}, {30, 0, 1, 60}), 5);
    EXPECT_EQ(dark(1, PenStyle::Dotted, {0, 360, 900, 360}, {0, 0, 60, 60}), 30);
}

// Covering a window must not lose what was drawn: every paint comes from the kept list.
TEST(Surface, TextStaysOnTheLineOrEndsItAndIsRepaintedFromWhatWasKept) {
    const FixedScreen screen;  // 15 twips per pixel
    SurfaceWidget box(nullptr, Scale::Twips, Qt::white, true);
    box.resize(200, 100);
    Surface& surface = box.surface();
    surface.setFont({QStringLiteral("MS Sans Serif"), 24});
    surface.print(QStringLiteral("   "), false);
    surface.print(QStringLiteral("forwards"), true);
    const QPointF forwards = std::get<Text>(surface.commands().at(1)).at;
    EXPECT_TRUE(forwards.x() > 0 && forwards.y() == 0) << forwards.x() << ", " << forwards.y();
    EXPECT_EQ(QPointF(surface.currentX(), surface.currentY()), QPointF(0, surface.textHeight()));
    const QImage first = box.grab().toImage();
    EXPECT_GT(darkPixels(first, QRect(2, 2, 150, 30)), 50);
    QWidget cover;
    cover.setGeometry(box.geometry());
    cover.show();
    box.show();
    box.repaint();
    EXPECT_EQ(box.grab().toImage(), first);
}

// A robot picture painted over its whole box hides everything before it, so the box's list
// must not grow with every step of every run.
TEST(Surface, PictureCoveringTheWholeSurfaceReplacesWhatItHides) {
    SurfaceWidget box(nullptr, Scale::Pixels, Qt::green, false);
    box.resize(35, 35);
    const Picture picture{QImage(35, 35, QImage::Format_RGB32), {}};
    for (int i = 0; i < 100; ++i) box.surface().paintPicture(picture, 0, 0);
    EXPECT_EQ(box.surface().commands().size(), 1u);
    box.surface().paintPicture(picture, 10, 0);
    EXPECT_EQ(box.surface().commands().size(), 2u);
}

}  // namespace
