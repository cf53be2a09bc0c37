// Draws the robot pictures 108-111 (and their @2x twins) into a bitmaps directory.
//
//   drawsprites <bitmaps-dir>
//
// 108 faces north; 109, 110 and 111 are the same picture turned a quarter, half and
// three quarters clockwise. They are rotated as images rather than redrawn so every
// heading is the exact same figure, pixel for pixel.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdio>

namespace {

constexpr int kSize = 35;

// The robot seen from above, facing up, in a 35 x 35 unit box. Painting at scale 2
// gives the sharp double-resolution twin rather than an upscale.
QImage drawNorth(int scale) {
    // Body ring: radius 11.5 outside, 9.5 inside, centred so both edges fall on pixel
    // boundaries at 1x.
    const QPointF centre(17.5, 19.5);
    QPainterPath outer;
    outer.addEllipse(centre, 11.5, 11.5);
    QPainterPath inner;
    inner.addEllipse(centre, 9.5, 9.5);

    // A solid arrow-head that fills the front of the body and sticks well out of it, so
    // the heading reads at a glance even at 35 px.
    QPainterPath nose;
    nose.moveTo(17.5, 2);
    nose.lineTo(26, 15);
    nose.lineTo(9, 15);
    nose.closeSubpath();

    QPainterPath wheels;
    wheels.addRoundedRect(QRectF(3, 12, 5, 13), 1.5, 1.5);
    wheels.addRoundedRect(QRectF(27, 12, 5, 13), 1.5, 1.5);

    // Pen hole, where the robot draws from.
    QPainterPath pen;
    pen.addEllipse(centre, 2.5, 2.5);

    // One outline filled once: overlapping antialiased fills would leave faint seams.
    const QPainterPath figure =
        outer.united(nose).united(wheels).subtracted(inner.subtracted(nose)).united(pen);

    QImage image(kSize * scale, kSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillPath(figure, Qt::black);
    return image;
}

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "drawsprites: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawsprites <bitmaps-dir>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "drawsprites: no such directory %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (const int scale : {1, 2}) {
        const QImage north = drawNorth(scale);
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        for (int turn = 0; turn < 4; ++turn) {
            // Quarter turns map pixels onto pixels, so nothing is resampled.
            const QImage turned = north.transformed(QTransform().rotate(90.0 * turn));
            ok = save(turned, dir.filePath(QString::number(108 + turn) + suffix)) && ok;
        }
    }
    return ok ? 0 : 1;
}
