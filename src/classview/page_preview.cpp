#include "classview/page_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "classview/reports.h"
#include "platform/twips.h"

namespace classview {

namespace {
constexpr int margin = 12;
constexpr double metresPerInch = 0.0254;
}  // namespace

PagePreview::PagePreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(210, 297);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PagePreview::showPages(platform::Surface pages, QSizeF pageSize, double dotsPerInch) {
    pages_ = std::move(pages);
    pageSize_ = pageSize;
    dotsPerInch_ = dotsPerInch;
    message_.clear();
    pageCount_ = classview::pageCount(pages_);
    page_ = 0;
    rendered_ = QImage();
    update();
}

void PagePreview::showMessage(const QString& text) {
    pages_ = platform::Surface();
    message_ = text;
    pageCount_ = 0;
    page_ = 0;
    rendered_ = QImage();
    update();
}

void PagePreview::setPage(int page) {
    page = std::clamp(page, 0, std::max(0, pageCount_ - 1));
    if (page == page_) return;
    page_ = page;
    rendered_ = QImage();
    update();
}

QRect PagePreview::pageRect() const {
    const QRectF room = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    const QSizeF fitted = pageSize_.scaled(room.size(), Qt::KeepAspectRatio);
    return QRectF(room.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted).toRect();
}

QImage PagePreview::render(QSize pixels, double fine) const {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    // The image's own dots per inch, so that text sized in points keeps to the page's scale.
    const double dpiX = pixels.width() * platform::twipsPerInch / pageSize_.width();
    const double dpiY = pixels.height() * platform::twipsPerInch / pageSize_.height();
    image.setDotsPerMeterX(qRound(dpiX / metresPerInch));
    image.setDotsPerMeterY(qRound(dpiY / metresPerInch));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(dpiX / platform::twipsPerInch, dpiY / platform::twipsPerInch);
    painter.setClipRect(QRectF(QPointF(), pageSize_));
    // The pens keep their widths on paper, in proportion, but the thinnest is at least a
    // whole screen pixel.
    double thinnest = std::numeric_limits<double>::infinity();
    for (const platform::Command& command : pages_.commands()) {
        if (const auto* line = std::get_if<platform::Line>(&command))
            thinnest = std::min(thinnest, line->pen.widthPixels);
        else if (const auto* box = std::get_if<platform::Box>(&command))
            thinnest = std::min(thinnest, box->pen.widthPixels);
    }
    // Each page is drawn one page height below the one before: only the one shown is in
    // the image.
    painter.translate(0, -page_ * pageSize_.height());
    pages_.replay(
        painter, [&] { painter.translate(0, pageSize_.height()); },
        std::max(dpiX / dotsPerInch_, fine / thinnest));
    return image;
}

void PagePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QRect page = pageRect();
    painter.fillRect(page, Qt::white);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(page.adjusted(-1, -1, 0, 0));
    if (pageCount_ == 0) {
        painter.setPen(Qt::black);
        painter.drawText(page.adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    // At least twice as fine as the screen, so that text keeps the places the page's metrics
    // gave it.
    const double fine = std::max(2.0, devicePixelRatioF());
    const QSize pixels = (QSizeF(page.size()) * fine).toSize();
    if (rendered_.size() != pixels) rendered_ = render(pixels, fine);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(page, rendered_);
    emit pagePainted();
}

}  // namespace classview
