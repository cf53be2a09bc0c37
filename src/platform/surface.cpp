#include "platform/surface.h"

#include <QFontMetricsF>
#include <QPainter>

#include "platform/screen.h"

namespace platform {

namespace {

QPen qtPen(const Pen& pen) {
    QPen result(pen.colour, pen.widthPixels);
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

void Surface::line(double x1, double y1, double x2, double y2) {
    append(Line{{x1, y1}, {x2, y2}, pen_});
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::box(double x1, double y1, double x2, double y2, bool filled) {
    append(Box{{x1, y1}, {x2, y2}, pen_, filled});
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::print(const QString& text, bool endLine) {
    append(Text{{currentX_, currentY_}, text, font_, textColour_});
    if (endLine) {
        currentX_ = 0;
        currentY_ += textHeight();
    } else {
        currentX_ += textWidth(text);
    }
}

void Surface::paintPicture(const Picture& picture, double x, double y) {
    const QSizeF size(picture.width() * unitsPerPixelX(), picture.height() * unitsPerPixelY());
    const QSizeF visible = extent ? extent() : QSizeF();
    const bool coversAll = !visible.isEmpty() && x <= 0 && y <= 0 &&
                           x + size.width() >= visible.width() &&
                           y + size.height() >= visible.height();
    if (coversAll) commands_.clear();
    append(PictureAt{{x, y}, size, picture});
}

double Surface::textWidth(const QString& text) const {
    return QFontMetricsF(platform::font(font_)).horizontalAdvance(text) * unitsPerPixelX();
}

double Surface::textHeight() const {
    return QFontMetricsF(platform::font(font_)).height() * unitsPerPixelY();
}

double Surface::unitsPerPixelX() const {
    return scale_ == Scale::Twips ? screen().twipsPerPixelX : 1.0;
}

double Surface::unitsPerPixelY() const {
    return scale_ == Scale::Twips ? screen().twipsPerPixelY : 1.0;
}

void Surface::replay(QPainter& painter) const {
    const double ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    for (const Command& command : commands_) {
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
            painter.setPen(qtPen(line->pen));
            painter.drawLine(toDevice.map(line->from), toDevice.map(line->to));
        } else if (const auto* box = std::get_if<Box>(&command)) {
            painter.setPen(qtPen(box->pen));
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
