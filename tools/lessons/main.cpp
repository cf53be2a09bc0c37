// Draws the shipped lessons' mats as SVG and writes the six lesson files:
//
//   drawlessons <lessons-dir> [--render <png-dir>]
//
// --render also draws each mat as MARLO would show it, with the dotted grid, the start,
// obstacles (crossed) and targets (numbered), for a person to look at.
//
// Mats are 100 units a square. Text is outlines from the Liberation Sans files themselves,
// so a mat needs no fonts where it is shown and the files are the same on every machine.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QSet>

#include <cmath>
#include <cstdio>

#include "lessons/lesson.h"
#include "lessons/mat.h"

namespace {

using lessons::Lesson;
using lessons::Square;

constexpr double kCell = 100;
constexpr int north = 1, east = 2;

QRawFont bold;

// --- SVG -----------------------------------------------------------------------------------

QString num(double value) {
    QString text = QString::number(std::round(value * 10) / 10, 'f', 1);
    if (text.endsWith(QLatin1String(".0"))) text.chop(2);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

class Svg {
  public:
    Svg(int columns, int rows) : width_(columns * kCell), height_(rows * kCell) {}

    void path(const QPainterPath& shape, const QString& fill, const QString& stroke = {},
              double width = 0) {
        QString d;
        for (int i = 0; i < shape.elementCount(); ++i) {
            const QPainterPath::Element e = shape.elementAt(i);
            if (e.isMoveTo()) {
                d += QLatin1Char('M');
            } else if (e.isLineTo()) {
                d += QLatin1Char('L');
            } else if (e.isCurveTo()) {
                d += QLatin1Char('C');
            } else {
                d += QLatin1Char(' ');
            }
            d += num(e.x) + QLatin1Char(' ') + num(e.y);
        }
        body_ += QStringLiteral("<path d=\"%1\"%2/>\n").arg(d, paint(fill, stroke, width));
    }
    void rect(const QRectF& r, double radius, const QString& fill, const QString& stroke = {},
              double width = 0) {
        body_ +=
            QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                .arg(num(r.x()), num(r.y()), num(r.width()), num(r.height()), num(radius),
                     paint(fill, stroke, width));
    }
    void circle(QPointF centre, double radius, const QString& fill, const QString& stroke = {},
                double width = 0) {
        body_ +=
            QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>\n")
                .arg(num(centre.x()), num(centre.y()), num(radius), paint(fill, stroke, width));
    }
    void line(QPointF from, QPointF to, const QString& stroke, double width, double dash = 0) {
        const QString dashes =
            dash > 0 ? QStringLiteral(" stroke-dasharray=\"%1\"").arg(num(dash)) : QString();
        body_ += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"%5%6/>\n")
                     .arg(num(from.x()), num(from.y()), num(to.x()), num(to.y()),
                          paint(QStringLiteral("none"), stroke, width), dashes);
    }
    // Text as outlines, its ink centred on `centre`, its capitals `height` tall and no wider
    // than `maxWidth`.
    void text(const QString& words, QPointF centre, double height, const QString& fill,
              double maxWidth = 1e9) {
        const QList<quint32> glyphs = bold.glyphIndexesForString(words);
        const QList<QPointF> advances = bold.advancesForGlyphIndexes(
            glyphs, QRawFont::SeparateAdvances | QRawFont::KernedAdvances);
        QPainterPath outline;
        QPointF pen;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            outline.addPath(bold.pathForGlyph(glyphs[i]).translated(pen));
            pen += advances[i];
        }
        double scale = height / bold.capHeight();
        scale = std::min(scale, maxWidth / outline.boundingRect().width());
        outline = QTransform::fromScale(scale, scale).map(outline);
        const QPointF shift = centre - outline.boundingRect().center();
        path(outline.translated(shift), fill);
    }

    QByteArray bytes() const {
        return QStringLiteral(
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                   "viewBox=\"0 0 %1 %2\">\n%3</svg>\n")
            .arg(num(width_), num(height_), body_)
            .toUtf8();
    }

  private:
    static QString paint(const QString& fill, const QString& stroke, double width) {
        QString text = QStringLiteral(" fill=\"%1\"").arg(fill);
        if (!stroke.isEmpty())
            text += QStringLiteral(
                        " stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\" "
                        "stroke-linecap=\"round\"")
                        .arg(stroke, num(width));
        return text;
    }

    double width_;
    double height_;
    QString body_;
};

QRectF cell(int column, int row, double inset = 0) {
    return QRectF(column * kCell, row * kCell, kCell, kCell).adjusted(inset, inset, -inset, -inset);
}

QPointF centre(int column, int row) {
    return cell(column, row).center();
}

// A lesson's grid as text, one string a row, read by the character at each square.
using Map = QStringList;

QList<Square> squaresOf(const Map& map, const QString& letters) {
    QList<Square> squares;
    for (int row = 0; row < map.size(); ++row)
        for (int column = 0; column < map[row].size(); ++column)
            if (letters.contains(map[row][column])) squares.append({column, row});
    return squares;
}

// An outline grown by `by` all round, or shrunk when `by` is negative.
QPainterPath grown(const QPainterPath& area, double by) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * std::abs(by));
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath edge = stroker.createStroke(area);
    return (by > 0 ? area.united(edge) : area.subtracted(edge)).simplified();
}

// The union of some squares grown by `by` (shrunk when negative), its corners rounded.
QPainterPath blob(const QList<Square>& squares, double by, double radius) {
    QPainterPath area;
    for (const Square s : squares) {
        QPainterPath one;
        one.addRect(cell(s.column, s.row));
        area = area.united(one);
    }
    area = grown(area, by);
    area = grown(grown(area, radius), -radius);  // rounds the inside corners
    return grown(grown(area, -radius), radius);  // and the outside ones
}

// A start pad: a rounded tile with an arrow the way the robot first faces.
void startPad(Svg& svg, Square start, int heading, const QString& colour) {
    svg.rect(cell(start.column, start.row, 8), 16, colour, QStringLiteral("#ffffff"), 4);
    const QPointF c = centre(start.column, start.row);
    svg.text(QStringLiteral("START"), c + QPointF(0, 34), 11, QStringLiteral("#ffffff"), 70);
    QPainterPath arrow;
    arrow.moveTo(0, -40);
    arrow.lineTo(14, -24);
    arrow.lineTo(-14, -24);
    arrow.closeSubpath();
    svg.path(QTransform().translate(c.x(), c.y()).rotate(90.0 * (heading - 1)).map(arrow),
             QStringLiteral("#ffffff"));
}

Lesson withMat(Lesson lesson, const Svg& svg) {
    lesson.mat = svg.bytes();
    lesson.matType = lessons::svgType;
    return lesson;
}

// --- The six mats --------------------------------------------------------------------------

const QStringList pastels{QStringLiteral("#ffd3d3"), QStringLiteral("#ffe2b0"),
                          QStringLiteral("#fff2a0"), QStringLiteral("#d2f3c0"),
                          QStringLiteral("#c6e6ff"), QStringLiteral("#e2d3ff")};

Lesson alphabet() {
    Lesson lesson;
    lesson.title = QStringLiteral("Alphabet");
    lesson.instruction = QStringLiteral("Spell CAT: drive to C, then to A, then to T.");
    lesson.columns = 6;
    lesson.rows = 5;
    lesson.start = {3, 4};
    lesson.heading = north;
    lesson.targets = {{2, 0}, {0, 0}, {1, 3}};
    Svg svg(lesson.columns, lesson.rows);
    svg.rect(QRectF(0, 0, 600, 500), 0, QStringLiteral("#fffaf0"));
    for (int i = 0; i < 26; ++i) {
        const int column = i % 6, row = i / 6;
        svg.rect(cell(column, row, 9), 18, pastels[(column + row) % pastels.size()],
                 QStringLiteral("#ffffff"), 4);
        svg.text(QString(QChar(u'A' + i)), centre(column, row), 50, QStringLiteral("#2b3a67"));
    }
    for (int column = 2; column < 6; ++column)
        if (column != lesson.start.column)
            svg.circle(centre(column, 4), 7, QStringLiteral("#f3d9a4"));
    startPad(svg, lesson.start, lesson.heading, QStringLiteral("#5cb85c"));
    return withMat(lesson, svg);
}

Lesson numberLine() {
    Lesson lesson;
    lesson.title = QStringLiteral("Number line 0 to 20");
    lesson.instruction = QStringLiteral("Start on 0. Go forwards to 8, then back to 3.");
    lesson.columns = 21;
    lesson.rows = 3;
    lesson.start = {0, 1};
    lesson.heading = east;
    lesson.targets = {{8, 1}, {3, 1}};
    Svg svg(lesson.columns, lesson.rows);
    svg.rect(QRectF(0, 0, 2100, 100), 0, QStringLiteral("#dff1ff"));
    svg.rect(QRectF(0, 100, 2100, 100), 0, QStringLiteral("#fffaf0"));
    svg.rect(QRectF(0, 200, 2100, 100), 0, QStringLiteral("#e3f5d6"));
    for (const double x : {250.0, 900.0, 1550.0}) {
        for (const QPointF puff : {QPointF(0, 0), QPointF(30, -12), QPointF(60, 0)})
            svg.circle(QPointF(x, 55) + puff, 22, QStringLiteral("#ffffff"));
    }
    svg.line(QPointF(50, 150), QPointF(2050, 150), QStringLiteral("#2b3a67"), 8);
    for (int n = 0; n <= 20; ++n) {
        const QPointF c = centre(n, 1);
        svg.circle(c, 34, pastels[n % pastels.size()], QStringLiteral("#2b3a67"), 5);
        svg.text(QString::number(n), c, 28, QStringLiteral("#2b3a67"), 44);
    }
    for (int n = 0; n <= 20; n += 2)
        svg.circle(centre(n, 2) - QPointF(0, 20), 6, QStringLiteral("#9fd38a"));
    return withMat(lesson, svg);
}

// Streets are '.', then H house, T tree, P pond, and the places pupils visit.
const Map townMap{QStringLiteral("HB.LHT.H"), QStringLiteral("........"),
                  QStringLiteral("TH.HPP.T"), QStringLiteral("TH.HPP.H"),
                  QStringLiteral("........"), QStringLiteral("HH.SHY.H")};

void house(Svg& svg, Square s, int n) {
    const QPointF c = centre(s.column, s.row);
    const QStringList walls{QStringLiteral("#ffd3d3"), QStringLiteral("#fff2a0"),
                            QStringLiteral("#c6e6ff"), QStringLiteral("#e2d3ff")};
    svg.rect(QRectF(c.x() - 30, c.y() - 8, 60, 44), 3, walls[n % walls.size()],
             QStringLiteral("#6b4f3a"), 3);
    QPainterPath roof;
    roof.moveTo(c.x() - 40, c.y() - 6);
    roof.lineTo(c.x(), c.y() - 40);
    roof.lineTo(c.x() + 40, c.y() - 6);
    roof.closeSubpath();
    svg.path(roof, QStringLiteral("#e0533d"), QStringLiteral("#6b4f3a"), 3);
    svg.rect(QRectF(c.x() - 8, c.y() + 14, 16, 22), 2, QStringLiteral("#8a5a3b"));
}

void tree(Svg& svg, QPointF c) {
    svg.rect(QRectF(c.x() - 6, c.y(), 12, 34), 3, QStringLiteral("#8a5a3b"));
    svg.circle(c - QPointF(0, 10), 30, QStringLiteral("#5cb85c"), QStringLiteral("#3d8b3d"), 3);
}

// A shop: a building with its name over the door and a picture in the window.
void shop(Svg& svg, Square s, const QString& name, const QString& colour) {
    const QRectF r = cell(s.column, s.row, 8);
    svg.rect(r, 8, colour, QStringLiteral("#6b4f3a"), 3);
    svg.rect(QRectF(r.left(), r.top(), r.width(), 30), 8, QStringLiteral("#ffffff"),
             QStringLiteral("#6b4f3a"), 3);
    svg.text(name, QPointF(r.center().x(), r.top() + 15), 15, QStringLiteral("#2b3a67"),
             r.width() - 10);
    svg.rect(QRectF(r.center().x() - 9, r.bottom() - 26, 18, 26), 2, QStringLiteral("#8a5a3b"));
}

void bakeryPicture(Svg& svg, QPointF c) {
    svg.rect(QRectF(c.x() - 24, c.y() - 14, 48, 24), 12, QStringLiteral("#d9983f"),
             QStringLiteral("#8a5a3b"), 3);
    for (const double x : {-10.0, 0.0, 10.0})
        svg.line(c + QPointF(x - 3, -10), c + QPointF(x + 3, 6), QStringLiteral("#8a5a3b"), 3);
}

void schoolPicture(Svg& svg, QPointF c) {
    svg.line(c + QPointF(-14, 14), c + QPointF(-14, -20), QStringLiteral("#6b4f3a"), 4);
    QPainterPath flag;
    flag.moveTo(c + QPointF(-12, -20));
    flag.lineTo(c + QPointF(20, -12));
    flag.lineTo(c + QPointF(-12, -4));
    flag.closeSubpath();
    svg.path(flag, QStringLiteral("#e0533d"));
}

void libraryPicture(Svg& svg, QPointF c) {
    svg.rect(QRectF(c.x() - 24, c.y() - 14, 23, 28), 3, QStringLiteral("#ffffff"),
             QStringLiteral("#2b3a67"), 3);
    svg.rect(QRectF(c.x() + 1, c.y() - 14, 23, 28), 3, QStringLiteral("#ffffff"),
             QStringLiteral("#2b3a67"), 3);
    for (const double y : {-6.0, 2.0})
        for (const double x : {-19.0, 6.0})
            svg.line(c + QPointF(x, y), c + QPointF(x + 13, y), QStringLiteral("#2b3a67"), 2);
}

void toyPicture(Svg& svg, QPointF c) {
    svg.circle(c - QPointF(0, 2), 16, QStringLiteral("#ffcc33"), QStringLiteral("#e0533d"), 3);
    svg.line(c + QPointF(-16, -2), c + QPointF(16, -2), QStringLiteral("#e0533d"), 3);
}

Lesson town() {
    Lesson lesson;
    lesson.title = QStringLiteral("Town");
    lesson.instruction =
        QStringLiteral("Drive to the bakery, then to the school. Stay on the streets!");
    lesson.columns = 8;
    lesson.rows = 6;
    lesson.start = {2, 5};
    lesson.heading = north;
    lesson.obstacles = squaresOf(townMap, QStringLiteral("HTP"));
    lesson.targets =
        squaresOf(townMap, QStringLiteral("B")) + squaresOf(townMap, QStringLiteral("S"));
    Svg svg(lesson.columns, lesson.rows);
    svg.rect(QRectF(0, 0, 800, 600), 0, QStringLiteral("#d9f2c7"));
    // Streets: rows 1 and 4, columns 2 and 6, with dashes down the middle.
    const QString road = QStringLiteral("#cfcfd4"), dash = QStringLiteral("#ffffff");
    for (const int row : {1, 4}) svg.rect(QRectF(0, row * kCell + 6, 800, 88), 0, road);
    for (const int column : {2, 6}) svg.rect(QRectF(column * kCell + 6, 0, 88, 600), 0, road);
    for (const int row : {1, 4})
        svg.line(QPointF(15, row * kCell + 50), QPointF(785, row * kCell + 50), dash, 4, 14);
    for (const int column : {2, 6})
        svg.line(QPointF(column * kCell + 50, 15), QPointF(column * kCell + 50, 585), dash, 4, 14);
    svg.rect(QRectF(410, 210, 180, 180), 40, QStringLiteral("#8fd3f4"), QStringLiteral("#4aa3d0"),
             4);
    for (const QPointF at : {QPointF(430, 250), QPointF(520, 330), QPointF(440, 360)})
        svg.line(at, at + QPointF(40, 0), QStringLiteral("#ffffff"), 5);
    // A duck.
    svg.circle(QPointF(540, 262), 16, QStringLiteral("#ffe04d"), QStringLiteral("#c9a000"), 3);
    svg.circle(QPointF(554, 242), 10, QStringLiteral("#ffe04d"), QStringLiteral("#c9a000"), 3);
    svg.rect(QRectF(562, 240, 12, 6), 3, QStringLiteral("#ff9a3c"));
    int n = 0;
    for (const Square s : squaresOf(townMap, QStringLiteral("H"))) house(svg, s, n++);
    for (const Square s : squaresOf(townMap, QStringLiteral("T")))
        tree(svg, centre(s.column, s.row));
    const struct {
        QChar letter;
        const char* name;
        const char* colour;
        void (*picture)(Svg&, QPointF);
    } shops[] = {{u'B', "BAKERY", "#ffe2b0", bakeryPicture},
                 {u'S', "SCHOOL", "#ffd3d3", schoolPicture},
                 {u'L', "LIBRARY", "#e2d3ff", libraryPicture},
                 {u'Y', "TOYS", "#c6e6ff", toyPicture}};
    for (const auto& place : shops) {
        const Square s = squaresOf(townMap, place.letter).first();
        shop(svg, s, QString::fromLatin1(place.name), QString::fromLatin1(place.colour));
        place.picture(svg, centre(s.column, s.row) + QPointF(0, 4));
    }
    startPad(svg, lesson.start, lesson.heading, QStringLiteral("#5cb85c"));
    return withMat(lesson, svg);
}

// '~' sea, R rock, X the treasure, J the jetty where the robot lands; the rest is sand.
const Map islandMap{QStringLiteral("~~~~~~~~"), QStringLiteral("~.R..X.~"),
                    QStringLiteral("~..R...~"), QStringLiteral("~.R..R.~"),
                    QStringLiteral("~...R..~"), QStringLiteral("~~~J~~~~")};

void boat(Svg& svg, QPointF c) {
    QPainterPath hull;
    hull.moveTo(c + QPointF(-34, 10));
    hull.lineTo(c + QPointF(34, 10));
    hull.lineTo(c + QPointF(22, 30));
    hull.lineTo(c + QPointF(-22, 30));
    hull.closeSubpath();
    svg.path(hull, QStringLiteral("#e0533d"), QStringLiteral("#8a2e1f"), 3);
    svg.line(c + QPointF(0, 10), c + QPointF(0, -34), QStringLiteral("#6b4f3a"), 4);
    QPainterPath sail;
    sail.moveTo(c + QPointF(4, -32));
    sail.lineTo(c + QPointF(30, 4));
    sail.lineTo(c + QPointF(4, 4));
    sail.closeSubpath();
    svg.path(sail, QStringLiteral("#ffffff"), QStringLiteral("#4aa3d0"), 3);
}

void rock(Svg& svg, QPointF c) {
    QPainterPath boulder;
    boulder.moveTo(c + QPointF(-34, 24));
    boulder.cubicTo(c + QPointF(-40, -4), c + QPointF(-20, -34), c + QPointF(4, -32));
    boulder.cubicTo(c + QPointF(30, -30), c + QPointF(42, 0), c + QPointF(34, 24));
    boulder.closeSubpath();
    svg.path(boulder, QStringLiteral("#9a9aa6"), QStringLiteral("#5d5d6a"), 4);
    svg.line(c + QPointF(-12, -14), c + QPointF(-4, -22), QStringLiteral("#ffffff"), 4);
}

Lesson island() {
    Lesson lesson;
    lesson.title = QStringLiteral("Treasure island");
    lesson.instruction =
        QStringLiteral("Find the treasure! Go round the rocks and keep out of the sea.");
    lesson.columns = 8;
    lesson.rows = 6;
    lesson.start = squaresOf(islandMap, QStringLiteral("J")).first();
    lesson.heading = north;
    lesson.obstacles = squaresOf(islandMap, QStringLiteral("~R"));
    lesson.targets = squaresOf(islandMap, QStringLiteral("X"));
    Svg svg(lesson.columns, lesson.rows);
    svg.rect(QRectF(0, 0, 800, 600), 0, QStringLiteral("#8fd3f4"));
    for (const Square s : squaresOf(islandMap, QStringLiteral("~"))) {
        const QPointF c = centre(s.column, s.row);
        QPainterPath wave;
        wave.moveTo(c + QPointF(-24, 4));
        wave.cubicTo(c + QPointF(-14, -8), c + QPointF(-6, -8), c + QPointF(0, 4));
        wave.cubicTo(c + QPointF(6, -8), c + QPointF(14, -8), c + QPointF(24, 4));
        svg.path(wave, QStringLiteral("none"), QStringLiteral("#ffffff"), 4);
    }
    svg.rect(QRectF(86, 86, 628, 428), 70, QStringLiteral("#fbe3a6"), QStringLiteral("#e8c26e"), 5);
    const QRectF jetty = cell(lesson.start.column, lesson.start.row).adjusted(14, -20, -14, 0);
    svg.rect(jetty, 4, QStringLiteral("#c8935a"), QStringLiteral("#7a4f24"), 3);
    for (double y = jetty.top() + 15; y < jetty.bottom(); y += 15)
        svg.line(QPointF(jetty.left(), y), QPointF(jetty.right(), y), QStringLiteral("#7a4f24"), 2);
    boat(svg, centre(5, 5));
    for (const Square s : squaresOf(islandMap, QStringLiteral("R")))
        rock(svg, centre(s.column, s.row));
    const QPointF x = centre(lesson.targets[0].column, lesson.targets[0].row);
    svg.line(x + QPointF(-30, -30), x + QPointF(30, 30), QStringLiteral("#e0533d"), 10);
    svg.line(x + QPointF(30, -30), x + QPointF(-30, 30), QStringLiteral("#e0533d"), 10);
    svg.rect(QRectF(x.x() - 24, x.y() - 12, 48, 30), 4, QStringLiteral("#b5651d"),
             QStringLiteral("#6b3a12"), 3);
    svg.rect(QRectF(x.x() - 24, x.y() - 24, 48, 14), 6, QStringLiteral("#c97a2e"),
             QStringLiteral("#6b3a12"), 3);
    svg.rect(QRectF(x.x() - 5, x.y() - 10, 10, 12), 2, QStringLiteral("#ffd700"));
    startPad(svg, lesson.start, lesson.heading, QStringLiteral("#4aa3d0"));
    return withMat(lesson, svg);
}

// '#' hedge; S the start, E the way out.
const Map mazeMap{QStringLiteral("S..#...#."), QStringLiteral("##.#.#.#."),
                  QStringLiteral(".....#..."), QStringLiteral(".#######."),
                  QStringLiteral("...#...#."), QStringLiteral("##.#.#.#."),
                  QStringLiteral(".....#.#E")};

Lesson maze() {
    Lesson lesson;
    lesson.title = QStringLiteral("Maze");
    lesson.instruction = QStringLiteral("Find the way through the maze to the flag.");
    lesson.columns = 9;
    lesson.rows = 7;
    lesson.start = squaresOf(mazeMap, QStringLiteral("S")).first();
    lesson.heading = east;
    lesson.obstacles = squaresOf(mazeMap, QStringLiteral("#"));
    lesson.targets = squaresOf(mazeMap, QStringLiteral("E"));
    Svg svg(lesson.columns, lesson.rows);
    svg.rect(QRectF(0, 0, 900, 700), 0, QStringLiteral("#fbeccb"));
    svg.path(blob(lesson.obstacles, -8, 12), QStringLiteral("#7cc576"), QStringLiteral("#3d8b3d"),
             5);
    for (const Square s : lesson.obstacles)
        for (const QPointF leaf : {QPointF(-18, -16), QPointF(16, -4), QPointF(-6, 18)})
            svg.circle(centre(s.column, s.row) + leaf, 7, QStringLiteral("#5aa653"));
    const QPointF out = centre(lesson.targets[0].column, lesson.targets[0].row);
    svg.line(out + QPointF(-16, 34), out + QPointF(-16, -36), QStringLiteral("#6b4f3a"), 5);
    QPainterPath flag;
    flag.moveTo(out + QPointF(-14, -36));
    flag.lineTo(out + QPointF(30, -22));
    flag.lineTo(out + QPointF(-14, -8));
    flag.closeSubpath();
    svg.path(flag, QStringLiteral("#e0533d"));
    startPad(svg, lesson.start, lesson.heading, QStringLiteral("#5cb85c"));
    return withMat(lesson, svg);
}

Lesson challenge() {
    Lesson lesson;
    lesson.title = QStringLiteral("Challenge mat");
    lesson.instruction =
        QStringLiteral("Drive all the way round the edge of the mat and back to START.");
    lesson.columns = 6;
    lesson.rows = 4;
    lesson.start = {0, 3};
    lesson.heading = north;
    Svg svg(lesson.columns, lesson.rows);
    svg.rect(QRectF(0, 0, 600, 400), 0, QStringLiteral("#fffdf2"));
    svg.rect(QRectF(4, 4, 592, 392), 0, QStringLiteral("none"), QStringLiteral("#ffb347"), 8);
    startPad(svg, lesson.start, lesson.heading, QStringLiteral("#ffb347"));
    return withMat(lesson, svg);
}

// --- Checks and output ---------------------------------------------------------------------

// Every target can be reached, in order, from the start without crossing an obstacle.
bool solvable(const Lesson& lesson) {
    QSet<std::pair<int, int>> blocked;
    for (const Square s : lesson.obstacles) blocked.insert({s.column, s.row});
    Square from = lesson.start;
    for (const Square to : lesson.targets) {
        QList<Square> queue{from};
        QSet<std::pair<int, int>> seen{{from.column, from.row}};
        bool found = false;
        while (!queue.isEmpty() && !found) {
            const Square s = queue.takeFirst();
            found = s == to;
            for (const Square next : {Square{s.column + 1, s.row}, Square{s.column - 1, s.row},
                                      Square{s.column, s.row + 1}, Square{s.column, s.row - 1}}) {
                const std::pair<int, int> key{next.column, next.row};
                if (next.column < 0 || next.row < 0 || next.column >= lesson.columns ||
                    next.row >= lesson.rows || blocked.contains(key) || seen.contains(key))
                    continue;
                seen.insert(key);
                queue.append(next);
            }
        }
        if (!found) return false;
        from = to;
    }
    return true;
}

// The mat as MARLO shows it, with what the file says drawn over it.
QImage preview(const Lesson& lesson, int cellPixels) {
    const QSize size(lesson.columns * cellPixels, lesson.rows * cellPixels);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, lessons::Mat(lesson).scaled(size));
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int c = 0; c <= lesson.columns; ++c)
        painter.drawLine(c * cellPixels, 0, c * cellPixels, size.height());
    for (int r = 0; r <= lesson.rows; ++r)
        painter.drawLine(0, r * cellPixels, size.width(), r * cellPixels);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto box = [cellPixels](Square s) {
        return QRectF(s.column * cellPixels, s.row * cellPixels, cellPixels, cellPixels)
            .adjusted(4, 4, -4, -4);
    };
    painter.setPen(QPen(Qt::red, 2));
    for (const Square s : lesson.obstacles) {
        painter.drawLine(box(s).topLeft(), box(s).bottomRight());
        painter.drawLine(box(s).topRight(), box(s).bottomLeft());
    }
    painter.setPen(QPen(Qt::blue, 3));
    for (qsizetype i = 0; i < lesson.targets.size(); ++i) {
        painter.drawEllipse(box(lesson.targets[i]));
        painter.drawText(box(lesson.targets[i]), Qt::AlignCenter, QString::number(i + 1));
    }
    painter.setPen(QPen(Qt::magenta, 3));
    painter.drawRect(box(lesson.start));
    return image;
}

bool write(const Lesson& lesson, const QString& name, const QDir& out, const QString& renders) {
    const QString file = out.filePath(name + lessons::fileSuffix);
    const QByteArray bytes = lessons::writeLesson(lesson);
    const lessons::ReadLesson read = lessons::readLesson(bytes);
    if (!read.lesson) {
        std::fprintf(stderr, "drawlessons: %s: %s\n", qPrintable(name), qPrintable(read.error));
        return false;
    }
    if (!solvable(lesson)) {
        std::fprintf(stderr, "drawlessons: %s: a target cannot be reached\n", qPrintable(name));
        return false;
    }
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "drawlessons: cannot write %s\n", qPrintable(file));
        return false;
    }
    if (!renders.isEmpty()) preview(lesson, 60).save(QDir(renders).filePath(name + ".png"));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need a GUI application, though nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--render"))) {
        std::fprintf(stderr, "usage: drawlessons <lessons-dir> [--render <png-dir>]\n");
        return 2;
    }
    const QString font =
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf");
    bold.loadFromFile(font, 200, QFont::PreferNoHinting);
    if (!bold.isValid()) {
        std::fprintf(stderr, "drawlessons: cannot load %s\n", qPrintable(font));
        return 1;
    }
    const QDir out(args[1]);
    const QString renders = args.size() == 4 ? args[3] : QString();
    bool ok = write(alphabet(), QStringLiteral("alphabet"), out, renders);
    ok = write(numberLine(), QStringLiteral("number-line"), out, renders) && ok;
    ok = write(town(), QStringLiteral("town"), out, renders) && ok;
    ok = write(island(), QStringLiteral("treasure-island"), out, renders) && ok;
    ok = write(maze(), QStringLiteral("maze"), out, renders) && ok;
    ok = write(challenge(), QStringLiteral("challenge"), out, renders) && ok;
    return ok ? 0 : 1;
}
