#include "language/fitting.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "language/language.h"
#include "platform/resources.h"
#include "printing/PrinterSupport.h"

namespace language {

namespace {

constexpr int clearPicture = 106;
constexpr int goPicture = 107;
constexpr int stepPicture = 201;
// As the drawn pictures: 100 pixels square, words within a 10-pixel margin.
constexpr int pictureSize = 100;
constexpr int margin = 10;
// Below this a word on a key is too small for a young reader; it would sooner be cut.
constexpr double smallestPicturePoints = 8;

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

QFont pictureFont(double pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pixels * 72.0 / screenDpi());
    font.setBold(bold);
    return font;
}

// "clear memory" on two lines, broken at the space nearest the middle.
QString twoLines(const QString& words) {
    qsizetype best = -1;
    for (qsizetype at = words.indexOf(QLatin1Char(' ')); at >= 0;
         at = words.indexOf(QLatin1Char(' '), at + 1))
        if (best < 0 || std::abs(at - words.size() / 2) < std::abs(best - words.size() / 2))
            best = at;
    if (best < 0) return words;
    return words.left(best) + QLatin1Char('\n') + words.mid(best + 1);
}

QImage drawWords(int id, const PictureWords& words, int scale) {
    QImage image(pictureSize * scale, pictureSize * scale, QImage::Format_RGB32);
    // The step picture keeps its mark; only the word under it changes.
    const platform::Picture drawn = platform::bitmap(id);
    const bool keepsMark = id == stepPicture;
    // The screen's resolution, so the font is as large as it was measured.
    const int dotsPerMeter = static_cast<int>(std::lround(screenDpi() / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (keepsMark) {
        painter.drawImage(QRect(0, 0, pictureSize, pictureSize), drawn.forPixelRatio(scale));
        painter.fillRect(QRect(0, words.area.top(), pictureSize, pictureSize - words.area.top()),
                         Qt::white);
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    painter.setFont(words.font);
    // Centred on the whole width: the margin is room to spare, not an edge.
    painter.drawText(QRect(0, words.area.top(), pictureSize, words.area.height()),
                     Qt::AlignCenter | Qt::TextWordWrap, words.text);
    return image;
}

}  // namespace

PictureWords keypadWords(int id) {
    if (code().isEmpty()) return {};
    // Each picture's words as drawn in English: their place, size and weight.
    struct Words {
        int id;
        const char* context;
        const char* source;
        QRect area;
        double pixels;
        bool bold;
    };
    static const Words pictures[] = {
        {clearPicture, "Keypad", "clear memory", {margin, margin, 80, 80}, 24, false},
        {goPicture, "Keypad", "Go", {margin, margin, 80, 80}, 58, true},
        {stepPicture, "a11y", "step", {margin, 52, 80, 38}, 38, false}};
    for (const Words& words : pictures) {
        if (words.id != id) continue;
        const QString text = QCoreApplication::translate(words.context, words.source);
        if (text == QLatin1String(words.source)) return {};
        const QString shown = id == clearPicture ? twoLines(text) : text;
        const QFont font = platform::fittedFont(pictureFont(words.pixels, words.bold), {shown},
                                                words.area.size(), true, smallestPicturePoints);
        return {shown, font, words.area};
    }
    return {};
}

QIcon keypadIcon(int id) {
    const PictureWords words = keypadWords(id);
    if (words.text.isEmpty()) return platform::icon(platform::bitmap(id));
    QIcon icon(QPixmap::fromImage(drawWords(id, words, 1)));
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0)
        icon.addPixmap(QPixmap::fromImage(drawWords(id, words, 2)));
    return icon;
}

QStringList listingLines(int leadingSpaces) {
    QStringList lines;
    const QString spaces(leadingSpaces, QLatin1Char(' '));
    for (const char* letter : {"F", "B", "L", "R", "P", "U", "D"})
        lines << spaces + PrinterSupport::commandword(QLatin1String(letter));
    return lines;
}

void fitListing(platform::SurfaceWidget& listing, const platform::FontChoice& designed,
                int leadingSpaces) {
    // Smaller than this the listing is no longer easy to follow from a pupil's seat.
    constexpr double smallestListingPoints = 12;
    // The English words fit the design.
    if (code().isEmpty()) {
        listing.surface().setFont(designed);
        return;
    }
    platform::FontChoice highlighted = designed;
    highlighted.bold = true;
    highlighted.underline = true;
    // Inside its border; the client widget may not have been resized yet.
    const QFont fitted =
        platform::fittedFont(platform::font(highlighted), listingLines(leadingSpaces),
                             listing.size() - QSize(2, 2), false, smallestListingPoints);
    platform::FontChoice choice = designed;
    choice.points = fitted.pointSizeF();
    listing.surface().setFont(choice);
}

}  // namespace language
