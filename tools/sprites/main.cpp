// Draws MARLO's pictures into the resources directory:
//   bitmaps/101-107   the keypad pictures, 100 x 100
//   bitmaps/108-111   the robot, 35 x 35
//   bitmaps/201       ours: the step button, 100 x 100
//   icons/hicolor/    the application icon, as PNGs and as SVG
//   lessons/          a lesson's obstacle and target disc, 64 x 64 on a transparent ground
// Every bitmap has an @2x twin drawn at double size rather than upscaled.
//
//   drawsprites <resources-dir> [<font-dir>]
//
// Text is set from the Liberation Sans files themselves, not from whatever fontconfig
// picks, so the pictures come out the same on every machine that has fonts-liberation.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

bool save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "drawsprites: cannot write %s\n", qPrintable(path));
    return false;
}

// A blank picture. Its resolution tag is fixed rather than taken from the screen, so the
// files do not change with the machine that draws them.
QImage blank(int size, QImage::Format format, const QColor& ground) {
    QImage image(size, size, format);
    image.setDotsPerMeterX(3937);  // 100 dpi
    image.setDotsPerMeterY(3937);
    image.fill(ground);
    return image;
}

QString suffixFor(int scale) {
    return scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
}

// --- Robot, 108-111 ---------------------------------------------------------------------

constexpr int kRobotSize = 35;

// The robot seen from above, facing up, in a 35 x 35 unit box.
QPainterPath robotFigure() {
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
    return outer.united(nose).united(wheels).subtracted(inner.subtracted(nose)).united(pen);
}

// A black figure on white, `units` wide, painted at `scale` pixels a unit.
QImage paintFigure(const QPainterPath& figure, int units, int scale) {
    QImage image = blank(units * scale, QImage::Format_RGB32, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillPath(figure, Qt::black);
    return image;
}

bool drawRobot(const QDir& bitmaps) {
    bool ok = true;
    for (const int scale : {1, 2}) {
        const QImage north = paintFigure(robotFigure(), kRobotSize, scale);
        // 109-111 are 108 turned rather than redrawn, so every heading is the same figure
        // pixel for pixel; quarter turns map pixels onto pixels, so nothing is resampled.
        for (int turn = 0; turn < 4; ++turn) {
            const QImage turned = north.transformed(QTransform().rotate(90.0 * turn));
            ok = save(turned, bitmaps.filePath(QString::number(108 + turn) + suffixFor(scale))) &&
                 ok;
        }
    }
    return ok;
}

// --- Keypad, 101-107 --------------------------------------------------------------------
// Each picture is one outline in a 100 x 100 unit box, kept at least 10 units from the
// edge. Strokes are thick and corners rounded so they read from the back of a classroom.

constexpr int kKeySize = 100;
constexpr double kShaft = 24;  // width of every arrow's shaft
constexpr double kRound = 6;   // rounding added around the arrows' corners

// Grows an outline by half of `width` all round, rounding its corners.
QPainterPath rounded(const QPainterPath& outline, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return outline.united(stroker.createStroke(outline)).simplified();
}

QPainterPath arrowUp() {
    QPainterPath arrow;
    arrow.moveTo(50, 14);
    arrow.lineTo(83, 50);
    arrow.lineTo(50 + kShaft / 2, 50);
    arrow.lineTo(50 + kShaft / 2, 86);
    arrow.lineTo(50 - kShaft / 2, 86);
    arrow.lineTo(50 - kShaft / 2, 50);
    arrow.lineTo(17, 50);
    arrow.closeSubpath();
    return rounded(arrow, kRound);
}

// Rises from the bottom, bends a quarter turn and ends in a head pointing left. The head
// alone reaches above the arm, which is what tells left from right at a glance.
QPainterPath arrowTurnLeft() {
    const double shaftX = 64, armY = 38, bend = 26;  // bend: radius of the centre line
    QPainterPath line;
    line.moveTo(shaftX, 86);
    line.lineTo(shaftX, armY + bend);
    line.arcTo(QRectF(shaftX - 2 * bend, armY, 2 * bend, 2 * bend), 0, 90);
    line.lineTo(44, armY);
    QPainterPathStroker stroker;
    stroker.setWidth(kShaft);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath body = stroker.createStroke(line);

    QPainterPath head;
    head.moveTo(14, armY);
    head.lineTo(46, armY - 25);
    head.lineTo(46, armY + 25);
    head.closeSubpath();
    const QPainterPath arrow = rounded(body.united(head), kRound);
    return arrow.translated(50 - arrow.boundingRect().center().x(), 0);
}

QPainterPath clockFace() {
    const QPointF centre(50, 50);
    QPainterPath face;
    face.addEllipse(centre, 40, 40);
    QPainterPath inside;
    inside.addEllipse(centre, 33, 33);
    face = face.subtracted(inside);

    auto stroke = [](const QPainterPath& line, double width) {
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        return stroker.createStroke(line);
    };
    // Twelve ticks; the four at 12, 3, 6 and 9 are bolder so the face has its bearings.
    for (int hour = 0; hour < 12; ++hour) {
        const double angle = hour * M_PI / 6;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        QPainterPath tick;
        tick.moveTo(centre + direction * 25.5);
        tick.lineTo(centre + direction * 28.5);
        face = face.united(stroke(tick, hour % 3 == 0 ? 6 : 4));
    }
    // Long hand to twelve, short fat hand to three, both clear of the ticks.
    QPainterPath minute;
    minute.moveTo(centre);
    minute.lineTo(50, 34);
    QPainterPath hour;
    hour.moveTo(centre);
    hour.lineTo(61, 50);
    QPainterPath hub;
    hub.addEllipse(centre, 5.5, 5.5);
    return face.united(stroke(minute, 6)).united(stroke(hour, 8)).united(hub).simplified();
}

// One line of text as an outline, its ink centred on `centre` horizontally and its
// baseline at `baseline`. Glyph outlines are unhinted, so 1x and 2x are the same shape.
QPainterPath textLine(const QRawFont& font, const QString& text, double pixelSize, double centreX,
                      double baseline) {
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::SeparateAdvances | QRawFont::KernedAdvances);
    QPainterPath line;
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        line.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    const double scale = pixelSize / font.pixelSize();
    line = QTransform::fromScale(scale, scale).map(line);
    return line.translated(centreX - line.boundingRect().center().x(), baseline);
}

QPainterPath clearMemory(const QRawFont& font) {
    // Sized so "memory", the wider word, spans the picture inside its margins.
    const double size =
        80 / textLine(font, QStringLiteral("memory"), 1, 0, 0).boundingRect().width();
    const double gap = 0.3 * size;  // between the lines' ink, enough to keep them apart
    QPainterPath clear = textLine(font, QStringLiteral("clear"), size, 50, 0);
    QPainterPath memory = textLine(font, QStringLiteral("memory"), size, 50, 0);
    // Lines stacked by their ink, then the pair centred: "clear" has ascenders, "memory" a
    // descender, so baselines alone would leave the pair off centre.
    memory.translate(0, clear.boundingRect().bottom() + gap - memory.boundingRect().top());
    const QPainterPath both = clear.united(memory);
    return both.translated(0, 50 - both.boundingRect().center().y());
}

QPainterPath go(const QRawFont& bold) {
    QPainterPath word = textLine(bold, QStringLiteral("Go"), 58, 50, 0);
    return word.translated(0, 50 - word.boundingRect().center().y());
}

// Ours, for the step button: a player's "next" mark, a wedge against a bar, over the word
// step.
QPainterPath stepOnce(const QRawFont& font) {
    QPainterPath mark;
    mark.moveTo(26, 0);
    mark.lineTo(58, 16);
    mark.lineTo(26, 32);
    mark.closeSubpath();
    mark.addRect(QRectF(62, 0, 11, 32));
    mark = rounded(mark, 4);
    QPainterPath word = textLine(font, QStringLiteral("step"), 38, 50, 0);
    word.translate(0, mark.boundingRect().bottom() + 8 - word.boundingRect().top());
    const QPainterPath both = mark.united(word);
    return both.translated(50 - both.boundingRect().center().x(),
                           50 - both.boundingRect().center().y());
}

bool drawKeypad(const QDir& bitmaps, const QRawFont& regular, const QRawFont& bold) {
    bool ok = true;
    for (const int scale : {1, 2}) {
        auto write = [&](int id, const QImage& image) {
            ok = save(image, bitmaps.filePath(QString::number(id) + suffixFor(scale))) && ok;
        };
        // Down and right are mirror images of up and left, made by flipping pixels so
        // each pair matches exactly.
        const QImage up = paintFigure(arrowUp(), kKeySize, scale);
        const QImage left = paintFigure(arrowTurnLeft(), kKeySize, scale);
        write(101, up);
        write(102, up.mirrored(false, true));
        write(103, left);
        write(104, left.mirrored(true, false));
        write(105, paintFigure(clockFace(), kKeySize, scale));
        write(106, paintFigure(clearMemory(regular), kKeySize, scale));
        write(107, paintFigure(go(bold), kKeySize, scale));
        write(201, paintFigure(stepOnce(regular), kKeySize, scale));
    }
    return ok;
}

// --- Application icon -------------------------------------------------------------------
// The robot on a green squared floor tile, having just drawn a short blue trail. Drawn in
// a 256-unit box as coloured layers, which go to the PNGs through QPainter and to the SVG
// as path data, so both come from the same geometry.

constexpr int kIconUnits = 256;

struct Layer {
    QPainterPath path;
    QColor colour;
};

QPainterPath roundedSquare(double inset, double radius) {
    QPainterPath square;
    square.addRoundedRect(QRectF(inset, inset, kIconUnits - 2 * inset, kIconUnits - 2 * inset),
                          radius, radius);
    return square;
}

QPainterPath trail(const std::vector<QPointF>& points, double width) {
    QPainterPath line(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) line.lineTo(points[i]);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line).simplified();
}

const QColor kEdge(0x2e, 0x7d, 0x32);
const QColor kFloor(0x5c, 0xc8, 0x5c);
const QColor kGrid(0x3f, 0xa3, 0x45);
const QColor kTrail(0x1a, 0x3c, 0xd8);
const QColor kInk(0x1b, 0x1b, 0x1b);

// Full detail, for 24 px and up: a 4 x 4 floor, the program's own robot figure.
std::vector<Layer> iconLayers() {
    const QPainterPath floor = roundedSquare(18, 30);
    QPainterPath grid;
    for (const double at : {76.0, 128.0, 180.0}) {
        grid.addRect(QRectF(at - 2.5, 0, 5, kIconUnits));
        grid.addRect(QRectF(0, at - 2.5, kIconUnits, 5));
    }
    // The robot sits on a cell centre facing north, after driving right and then up.
    const QPointF robot(154, 118);
    const double k = 4.6;  // units per unit of the 35-unit robot figure
    const QTransform place =
        QTransform::fromTranslate(robot.x() - 17.5 * k, robot.y() - 19.5 * k).scale(k, k);
    QPainterPath body;
    body.addEllipse(robot, 11.5 * k, 11.5 * k);
    // The figure's outline is flattened by the path operations; at this size its pen hole
    // would show as an octagon, so a true circle goes on top.
    QPainterPath pen;
    pen.addEllipse(robot, 2.5 * k, 2.5 * k);
    return {
        {roundedSquare(8, 40), kEdge},
        {floor, kFloor},
        {grid.intersected(floor), kGrid},
        {trail({{50, 206}, {154, 206}, {154, 118}}, 18), kTrail},
        {body, Qt::white},
        {place.map(robotFigure()), kInk},
        {pen, kInk},
    };
}

// For 16 and 22 px, where thin lines would blur to nothing: one grid line each way, a
// fat trail, and a robot reduced to a thick ring and its nose.
std::vector<Layer> smallIconLayers() {
    const QPainterPath floor = roundedSquare(16, 40);
    QPainterPath grid;
    grid.addRect(QRectF(120, 0, 16, kIconUnits));
    grid.addRect(QRectF(0, 120, kIconUnits, 16));
    const QPointF robot(160, 120);
    QPainterPath body;
    body.addEllipse(robot, 72, 72);
    QPainterPath hole;
    hole.addEllipse(robot, 42, 42);
    QPainterPath nose;
    nose.moveTo(160, 8);
    nose.lineTo(214, 92);
    nose.lineTo(106, 92);
    nose.closeSubpath();
    return {
        {roundedSquare(0, 56), kEdge},
        {floor, kFloor},
        {grid.intersected(floor), kGrid},
        {trail({{56, 208}, {160, 208}, {160, 120}}, 44), kTrail},
        {body, Qt::white},
        {body.subtracted(hole).united(nose), kInk},
    };
}

QImage paintIcon(const std::vector<Layer>& layers, int size) {
    QImage image = blank(size, QImage::Format_ARGB32, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kIconUnits, double(size) / kIconUnits);
    for (const Layer& layer : layers) painter.fillPath(layer.path, layer.colour);
    return image;
}

QString svgPathData(const QPainterPath& path) {
    QString data;
    auto point = [](const QPainterPath::Element& e) {
        return QStringLiteral("%1 %2").arg(e.x, 0, 'g', 6).arg(e.y, 0, 'g', 6);
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
            case QPainterPath::MoveToElement:
                data += QStringLiteral("M") + point(e);
                break;
            case QPainterPath::LineToElement:
                data += QStringLiteral("L") + point(e);
                break;
            case QPainterPath::CurveToElement:
                data += QStringLiteral("C") + point(e) + QLatin1Char(' ') +
                        point(path.elementAt(i + 1)) + QLatin1Char(' ') +
                        point(path.elementAt(i + 2));
                i += 2;
                break;
            case QPainterPath::CurveToDataElement:
                break;  // consumed with its curve
        }
    }
    return data;
}

QByteArray iconSvg(const std::vector<Layer>& layers) {
    QString svg = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconUnits);
    for (const Layer& layer : layers) {
        svg += QStringLiteral("<path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
                   .arg(layer.colour.name(),
                        layer.path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                                 : QStringLiteral("evenodd"),
                        svgPathData(layer.path));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

bool drawIcon(const QDir& resources) {
    const QString hicolor = resources.filePath(QStringLiteral("icons/hicolor"));
    bool ok = true;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(hicolor).arg(size);
        ok = QDir().mkpath(folder) && ok;
        const QImage icon = paintIcon(size < 24 ? smallIconLayers() : iconLayers(), size);
        ok = save(icon, folder + QStringLiteral("/marlo.png")) && ok;
    }
    const QString scalable = hicolor + QStringLiteral("/scalable/apps");
    QFile svg(scalable + QStringLiteral("/marlo.svg"));
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(iconSvg(iconLayers())) < 0) {
        std::fprintf(stderr, "drawsprites: cannot write %s\n", qPrintable(svg.fileName()));
        ok = false;
    }
    return ok;
}

// --- Lesson pictures --------------------------------------------------------------------
// Drawn over any mat, light or dark, busy or plain. The obstacle covers its square with
// see-through road-block stripes inside a black and white frame, so the mat still shows what
// is there; the target is a badge for a corner of its square, a white disc in a red ring on
// which MARLO writes the target's number.

constexpr int kLessonSize = 64;

QPainterPath roundedBox(double inset, double radius) {
    QPainterPath box;
    box.addRoundedRect(QRectF(inset, inset, kLessonSize - 2 * inset, kLessonSize - 2 * inset),
                       radius, radius);
    return box;
}

QPainterPath disc(double radius) {
    QPainterPath circle;
    circle.addEllipse(QPointF(kLessonSize / 2.0, kLessonSize / 2.0), radius, radius);
    return circle;
}

std::vector<Layer> obstacleLayers() {
    const QPainterPath inside = roundedBox(6, 3);
    // Stripes from bottom left to top right, as on a road block.
    QPainterPath stripes;
    for (double x = -kLessonSize; x < kLessonSize; x += 16) {
        QPainterPath stripe;
        stripe.moveTo(x, kLessonSize);
        stripe.lineTo(x + 8, kLessonSize);
        stripe.lineTo(x + 8 + kLessonSize, 0);
        stripe.lineTo(x + kLessonSize, 0);
        stripe.closeSubpath();
        stripes.addPath(stripe);
    }
    const QPainterPath dark = stripes.intersected(inside);
    return {
        {roundedBox(1, 6).subtracted(roundedBox(3, 5)), kInk},
        {roundedBox(3, 5).subtracted(roundedBox(4.5, 4)), Qt::white},
        {roundedBox(4.5, 4).subtracted(inside), kInk},
        {inside.subtracted(dark), QColor(0xff, 0xd0, 0x00, 0x80)},
        {dark, QColor(0, 0, 0, 0x70)},
    };
}

std::vector<Layer> targetLayers() {
    return {
        {disc(31), kInk},      {disc(29.5), Qt::white},
        {disc(28), kInk},      {disc(27), QColor(0xe0, 0x10, 0x10)},
        {disc(21), Qt::white},
    };
}

QImage paintLayers(const std::vector<Layer>& layers, int units, int scale) {
    QImage image = blank(units * scale, QImage::Format_ARGB32, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    for (const Layer& layer : layers) painter.fillPath(layer.path, layer.colour);
    return image;
}

bool drawLessonPictures(const QDir& resources) {
    const QString folder = resources.filePath(QStringLiteral("lessons"));
    bool ok = QDir().mkpath(folder);
    for (const int scale : {1, 2}) {
        ok = save(paintLayers(obstacleLayers(), kLessonSize, scale),
                  folder + QStringLiteral("/obstacle") + suffixFor(scale)) &&
             ok;
        ok = save(paintLayers(targetLayers(), kLessonSize, scale),
                  folder + QStringLiteral("/target") + suffixFor(scale)) &&
             ok;
    }
    return ok;
}

bool loadFont(QRawFont& font, const QDir& fonts, const QString& file) {
    // Outlines are scaled to size later; a large size with no hinting keeps them exact.
    font.loadFromFile(fonts.filePath(file), 200, QFont::PreferNoHinting);
    if (font.isValid()) return true;
    std::fprintf(stderr, "drawsprites: cannot load font %s\n", qPrintable(fonts.filePath(file)));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need a GUI application, though nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: drawsprites <resources-dir> [<font-dir>]\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QDir bitmaps(resources.filePath(QStringLiteral("bitmaps")));
    if (!bitmaps.exists()) {
        std::fprintf(stderr, "drawsprites: no bitmaps directory in %s\n", argv[1]);
        return 1;
    }
    const QDir fonts(argc == 3 ? QString::fromLocal8Bit(argv[2])
                               : QStringLiteral("/usr/share/fonts/truetype/liberation"));
    QRawFont regular, bold;
    if (!loadFont(regular, fonts, QStringLiteral("LiberationSans-Regular.ttf")) ||
        !loadFont(bold, fonts, QStringLiteral("LiberationSans-Bold.ttf"))) {
        return 1;
    }

    bool ok = drawRobot(bitmaps);
    ok = drawKeypad(bitmaps, regular, bold) && ok;
    ok = drawIcon(resources) && ok;
    ok = drawLessonPictures(resources) && ok;
    return ok ? 0 : 1;
}
