#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/variables.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "lessons/on_floor.h"
#include "lessons/play.h"
#include "platform/screen.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"

using namespace variables;
using PrinterSupport::printx;
using PrinterSupport::printy;

namespace lessons {

namespace {

// An obstacle covers its square; a target's badge takes this share of it, in its top left
// corner this far in, so the mat still shows what is there. Badges smaller than this would
// not show their number.
constexpr double badgeShare = 0.45;
constexpr double badgeInset = 0.04;
constexpr int smallestBadge = 20;
// The larger of the two drawn sizes of the pictures.
constexpr int largestPicture = 128;
// Enough for a mat on paper that is only a light background.
constexpr double paperMatDotsPerInch = 200;
// On paper the mat is this strong, so the path over it stands out.
constexpr double paperMatOpacity = 0.35;
constexpr double paperGridPixels = 3;
const QColor paperGrid{160, 160, 160};

// The obstacle or the target disc `pixels` across, scaled down from the smallest of its two
// pictures that is as large; each size is made once.
QImage sized(const QString& name, int pixels) {
    static QHash<QString, QImage> made;
    const QString key = name + QString::number(pixels);
    if (const auto found = made.constFind(key); found != made.constEnd()) return *found;
    const QImage drawn(
        QStringLiteral(":/lessons/%1%2.png")
            .arg(name, pixels <= largestPicture / 2 ? QString() : QStringLiteral("@2x")));
    QImage image = drawn.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Painted on pixel for pixel: the @2x name would have the painter halve it.
    image.setDevicePixelRatio(1);
    made.insert(key, image);
    return image;
}

// A target disc with its number, in the white of the disc.
QImage numbered(int number, int pixels) {
    static QHash<QPair<int, int>, QImage> made;
    if (const auto found = made.constFind({number, pixels}); found != made.constEnd())
        return *found;
    QImage image = sized(QStringLiteral("target"), pixels)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QString digits = QString::number(number);
    QFont font = platform::font(design::sans24Bold);
    const double share = digits.size() == 1 ? 0.45 : digits.size() == 2 ? 0.36 : 0.26;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * share))));
    // Centred on its ink, not on the font's line, so every number sits in the middle.
    QPainterPath text;
    text.addText(0, 0, font, digits);
    text.translate(QPointF(pixels / 2.0, pixels / 2.0) - text.boundingRect().center());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(text, Qt::black);
    painter.end();
    made.insert({number, pixels}, image);
    return image;
}

// Calls `draw` with each obstacle's and each target's picture for squares `cellPixels` across,
// its square, and where the picture goes in the square: how far in from the top left corner
// and how wide, both as shares of the square's side.
template <class Draw>
void forEachPicture(int cellPixels, Draw draw) {
    const Lesson& lesson = onFloor()->lesson;
    const int cell = std::max(1, cellPixels);
    const QImage obstacle = sized(QStringLiteral("obstacle"), cell);
    for (const Square square : lesson.obstacles) draw(obstacle, square, 0.0, 1.0);
    const int badge =
        std::min(cell, std::max(smallestBadge, static_cast<int>(std::lround(cell * badgeShare))));
    for (qsizetype i = 0; i < lesson.targets.size(); ++i)
        draw(numbered(static_cast<int>(i + 1), badge), lesson.targets[i], badgeInset,
             static_cast<double>(badge) / cell);
}

QImage light(const QImage& mat) {
    QImage paper(mat.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.setOpacity(paperMatOpacity);
    painter.drawImage(0, 0, mat);
    return paper;
}

}  // namespace

void drawFloor() {
    if (!onFloor()) return;
    platform::Surface& floor = graphics().surface();
    const platform::ScreenMetrics screen = platform::screen();
    const QSize matPixels(
        static_cast<int>(std::lround((rightedge - leftedge) / screen.twipsPerPixelX)),
        static_cast<int>(std::lround((bottomedge - topedge) / screen.twipsPerPixelY)));
    if (const QImage mat = onFloor()->mat.scaled(matPixels); !mat.isNull())
        floor.paintPicture({mat}, leftedge, topedge);
    const int cellPixels = static_cast<int>(std::lround(cellsize / screen.twipsPerPixelX));
    forEachPicture(cellPixels, [&](const QImage& picture, Square square, double inset, double) {
        floor.paintPicture({picture}, leftedge + (square.column + inset) * cellsize,
                           topedge + (square.row + inset) * cellsize);
    });
}

void printFloor() {
    if (!onFloor()) return;
    platform::Surface& page = PrinterSupport::printer();
    const platform::Pen pen = page.pen();
    const int columns = Module2::columncount();
    const int rows = Module2::rowcount();
    // On paper a square is centred on the point of its column and row.
    const double left = printx(-0.5);
    const double top = printy(-0.5);
    const double right = printx(columns - 0.5);
    const double bottom = printy(rows - 0.5);
    const auto dots = [](double twips) {
        return static_cast<int>(std::lround(twips / platform::twipsPerInch * paperMatDotsPerInch));
    };
    if (const QImage mat = onFloor()->mat.scaled(QSize(dots(right - left), dots(bottom - top)));
        !mat.isNull())
        page.paintPicture({light(mat)}, left, top, right - left, bottom - top);
    page.setDrawColor(paperGrid);
    page.setDrawWidth(paperGridPixels);
    page.setDrawStyle(platform::PenStyle::Solid);
    for (int c = 0; c <= columns; ++c) page.line(printx(c - 0.5), top, printx(c - 0.5), bottom);
    for (int r = 0; r <= rows; ++r) page.line(left, printy(r - 0.5), right, printy(r - 0.5));
    const double cell = PrinterSupport::printcell();
    forEachPicture(
        largestPicture, [&](const QImage& picture, Square square, double inset, double share) {
            page.paintPicture({picture}, printx(square.column - 0.5 + inset),
                              printy(square.row - 0.5 + inset), share * cell, share * cell);
        });
    // The report's own drawing is in black, as if this had not been drawn.
    page.setDrawColor(pen.colour);
    page.setDrawWidth(pen.widthPixels);
    page.setDrawStyle(pen.style);
}

QString printedTitle() {
    if (!onFloor()) return {};
    return QCoreApplication::translate("lessons", "%1: ").arg(onFloor()->lesson.title);
}

}  // namespace lessons
