#pragma once

#include <QImage>
#include <QSizeF>
#include <QWidget>

#include "platform/surface.h"

namespace classview {

// Pages as they come out of the printer, one at a time, scaled to fit; or a message in place
// of a page.
class PagePreview final : public QWidget {
    Q_OBJECT

  public:
    explicit PagePreview(QWidget* parent = nullptr);

    // The surface's pages, each pageSize twips, drawn for a page of so many dots per inch.
    void showPages(platform::Surface pages, QSizeF pageSize, double dotsPerInch);
    void showMessage(const QString& text);

    int pageCount() const { return pageCount_; }
    int page() const { return page_; }
    void setPage(int page);

  signals:
    // After every paint that showed a page.
    void pagePainted();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect pageRect() const;
    // The page shown, `fine` image pixels to a screen pixel.
    QImage render(QSize pixels, double fine) const;

    platform::Surface pages_;
    QSizeF pageSize_{11906, 16838};
    double dotsPerInch_ = 600;
    QString message_;
    int pageCount_ = 0;
    int page_ = 0;
    QImage rendered_;
};

}  // namespace classview
