#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include "lessons/lesson.h"

namespace lessons {

// A PNG or JPEG mat decodes to at most this many pixels (4096 x 4096: a 4000 x 3000 photo
// fits), and no decoder may allocate more than maxMatMiB for one picture.
inline constexpr qint64 maxMatPixels = 4096 * 4096;
inline constexpr int maxMatMiB = 128;

// A lesson's mat picture, decoded once, handed out at the floor's size. The one decoder of
// mats: the reader refuses a lesson whose mat does not decode here.
class Mat {
  public:
    Mat() = default;
    Mat(const QByteArray& bytes, const QString& type);
    explicit Mat(const Lesson& lesson) : Mat(lesson.mat, lesson.matType) {}

    // No picture: none was given, or it did not decode.
    bool isNull() const { return size_.isEmpty(); }
    // Why the picture did not decode, empty when it did or when there is none.
    const QString& error() const { return error_; }
    // Its own size in pixels (an SVG's is the size it declares); invalid when null.
    QSize size() const { return size_; }

    // The picture stretched to `pixels`, smoothly; an SVG is drawn at that size. Each size is
    // made once and kept (the last few sizes), so a repaint never rescales. A null image for
    // no picture, an empty size or one beyond maxMatPixels.
    QImage scaled(QSize pixels) const;

  private:
    QImage image_;    // PNG and JPEG, as decoded
    QByteArray svg_;  // SVG, checked, drawn afresh for each new size
    QSize size_;
    QString error_;
    mutable QList<QImage> kept_;
};

}  // namespace lessons
