#include "platform/surface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "platform/screen.h"
#include "platform/twips.h"

namespace platform {

namespace {

QPen qtPen(const Pen& pen, double scale) {
    QPen result(pen.colour, pen.widthPixels * scale);
    // A thin dotted line alternates single pixels.
    if (pen.drawsDotted()) {
        result.setDashPattern({1.0, 1.0});
        result.setCapStyle(Qt::FlatCap);
    } else {
        result.setCapStyle(Qt::SquareCap);
    }
    result.setJoinStyle(Qt::RoundJoin);
    return result;
}

// Metrics on the device the text will be painted on: a 600-dpi page is not a screen.
QFontMetricsF metricsOn(const FontChoice& choice, const QPaintDevice* device) {
    return device != nullptr ? QFontMetricsF(platform::font(choice), device)
                             : QFontMetricsF(platform::font(choice));
}

}  // namespace

void Surface::cls() {
    commands_.clear();
    currentX_ = 0;
    currentY_ = 0;
    if (changed) changed();
}

void Surface::append(Command command) {
    commands_.push_back(std::move(command));
    if (changed) changed();
}

double Surface::modeFactor() const {
    return mode_ == Scale::Points ? twipsPerPoint : 1.0;
}

void Surface::setScaleMode(Scale mode) {
    // Only twips and points share a surface; what is kept stays in twips either way.
    if (scale_ == Scale::Pixels || mode == Scale::Pixels) return;
    mode_ = mode;
}

void Surface::line(double x1, double y1, double x2, double y2) {
    append(Line{kept(x1, y1), kept(x2, y2), pen_});
    setCurrentX(x2);
    setCurrentY(y2);
}

void Surface::box(double x1, double y1, double x2, double y2, bool filled) {
    append(Box{kept(x1, y1), kept(x2, y2), pen_, filled});
    setCurrentX(x2);
    setCurrentY(y2);
}

void Surface::print(const QString& text, bool endLine) {
    const double height = textHeight() * modeFactor();
    // Text that would run off the bottom of a page continues at the top of the next one.
    const QSizeF page = pageSize();
    if (!page.isEmpty() && currentY_ > 0 && currentY_ + height > page.height()) {
        append(PageBreak{});
        currentY_ = 0;
        startPage();
    }
    append(Text{{currentX_, currentY_}, text, font_, textColour_});
    if (endLine) {
        currentX_ = 0;
        currentY_ += height;
    } else {
        currentX_ += textWidth(text) * modeFactor();
    }
}

void Surface::startPage() {
    if (!pageStarted) return;
    // The text on its way keeps its place across the line and its font.
    const double x = currentX_;
    const FontChoice font = font_;
    const Scale mode = mode_;
    pageStarted();
    currentX_ = x;
    font_ = font;
    mode_ = mode;
}

void Surface::paintPicture(const Picture& picture, double x, double y) {
    const QSizeF size(picture.width() * unitsPerPixelX(), picture.height() * unitsPerPixelY());
    appendPicture({kept(x, y), size, picture});
}

void Surface::paintPicture(const Picture& picture, double x, double y, double width,
                           double height) {
    appendPicture({kept(x, y), QSizeF(width, height) * modeFactor(), picture});
}

void Surface::appendPicture(const PictureAt& picture) {
    const QPointF at = picture.at;
    const QSizeF size = picture.size;
    const QSizeF visible = extent ? extent() : QSizeF();
    const bool coversAll = !visible.isEmpty() && at.x() <= 0 && at.y() <= 0 &&
                           at.x() + size.width() >= visible.width() &&
                           at.y() + size.height() >= visible.height();
    if (coversAll) commands_.clear();
    append(picture);
}

void Surface::newPage() {
    append(PageBreak{});
}

double Surface::textWidth(const QString& text) const {
    return metricsOn(font_, device_).horizontalAdvance(text) * unitsPerPixelX() / modeFactor();
}

double Surface::textHeight() const {
    return metricsOn(font_, device_).height() * unitsPerPixelY() / modeFactor();
}

double Surface::unitsPerPixelX() const {
    if (scale_ == Scale::Pixels) return 1.0;
    return device_ != nullptr ? twipsPerInch / device_->logicalDpiX() : screen().twipsPerPixelX;
}

double Surface::unitsPerPixelY() const {
    if (scale_ == Scale::Pixels) return 1.0;
    return device_ != nullptr ? twipsPerInch / device_->logicalDpiY() : screen().twipsPerPixelY;
}

QSizeF Surface::pageSize() const {
    if (dynamic_cast<const QPagedPaintDevice*>(device_) == nullptr) return {};
    return {device_->width() * unitsPerPixelX(), device_->height() * unitsPerPixelY()};
}

int Surface::pages() const {
    const auto breaks = std::ranges::count_if(commands_, [](const Command& command) {
        return std::holds_alternative<PageBreak>(command);
    });
    return 1 + static_cast<int>(breaks);
}

void Surface::replay(QPainter& painter, const std::function<void()>& nextPage,
                     double penScale) const {
    const double ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    for (const Command& command : commands_) {
        if (std::holds_alternative<PageBreak>(command)) {
            if (nextPage) nextPage();
            continue;
        }
        if (const auto* picture = std::get_if<PictureAt>(&command)) {
            painter.drawImage(QRectF(picture->at, picture->size),
                              picture->picture.forPixelRatio(ratio));
            continue;
        }
        // Lines, boxes and text are drawn in the device's own pixels, so a pen of n pixels is
        // n pixels across in both directions, even where the twips per pixel differ in x and y.
        painter.save();
        const QTransform toDevice = painter.transform();
        painter.resetTransform();
        if (const auto* line = std::get_if<Line>(&command)) {
            painter.setPen(qtPen(line->pen, penScale));
            painter.drawLine(toDevice.map(line->from), toDevice.map(line->to));
        } else if (const auto* box = std::get_if<Box>(&command)) {
            painter.setPen(qtPen(box->pen, penScale));
            painter.setBrush(box->filled ? QBrush(box->pen.colour) : QBrush(Qt::NoBrush));
            painter.drawRect(
                QRectF(toDevice.map(box->corner), toDevice.map(box->opposite)).normalized());
        } else if (const auto* text = std::get_if<Text>(&command)) {
            // Fonts are sized in points for the device; the position is the text's top left.
            painter.setFont(platform::font(text->font));
            painter.setPen(text->colour);
            const QFontMetricsF metrics(painter.font(), painter.device());
            painter.drawText(toDevice.map(text->at) + QPointF(0, metrics.ascent()), text->text);
        }
        painter.restore();
    }
}

}  // namespace platform
