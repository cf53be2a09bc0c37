#include "lessons/editor_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "lessons/mat.h"
#include "platform/resources.h"

namespace lessons {

namespace {

constexpr int margin = 8;
constexpr int firstRobotPicture = 107;  // + heading, as the floor's robot

QRectF inset(const QRectF& cell, double fraction) {
    const double by = cell.width() * fraction;
    return cell.adjusted(by, by, -by, -by);
}

}  // namespace

void paintObstacle(QPainter& painter, const QRectF& cell) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Translucent, so the mat still shows which thing on it is in the way.
    painter.setBrush(QColor(50, 50, 50, 170));
    const QRectF block = inset(cell, 0.06);
    painter.drawRoundedRect(block, block.width() * 0.12, block.width() * 0.12);
    const QRectF cross = inset(cell, 0.28);
    painter.setPen(
        QPen(Qt::white, std::max(2.0, cell.width() * 0.09), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.restore();
}

void paintTarget(QPainter& painter, const QRectF& cell, int number) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, std::max(1.0, cell.width() * 0.04)));
    painter.setBrush(QColor(210, 35, 35));
    const QRectF disc = inset(cell, 0.17);
    painter.drawEllipse(disc);
    QFont font = painter.font();
    font.setBold(true);
    // Two digits still fit inside the disc.
    font.setPixelSize(std::max(6, static_cast<int>(disc.height() * (number < 10 ? 0.6 : 0.48))));
    painter.setFont(font);
    painter.drawText(disc, Qt::AlignCenter, QString::number(number));
    painter.restore();
}

void paintStart(QPainter& painter, const QRectF& cell, std::int16_t heading) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 170, 60));
    const QRectF tile = inset(cell, 0.04);
    painter.drawRoundedRect(tile, tile.width() * 0.15, tile.width() * 0.15);
    const platform::Picture robot = platform::bitmap(firstRobotPicture + heading);
    if (!robot.isNull())
        painter.drawImage(inset(cell, 0.14),
                          robot.forPixelRatio(painter.device()->devicePixelRatioF()));
    painter.restore();
}

LessonGrid::LessonGrid(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 240);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
}

void LessonGrid::setLesson(const Lesson* lesson, const Mat* mat) {
    lesson_ = lesson;
    mat_ = mat;
    update();
}

int LessonGrid::cellSize() const {
    if (lesson_ == nullptr || lesson_->columns < 1 || lesson_->rows < 1) return 0;
    return std::max(1, std::min((width() - 2 * margin) / lesson_->columns,
                                (height() - 2 * margin) / lesson_->rows));
}

QRect LessonGrid::gridRect() const {
    const int cell = cellSize();
    if (cell == 0) return {};
    const QSize size(cell * lesson_->columns, cell * lesson_->rows);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QRect LessonGrid::squareRect(Square square) const {
    const int cell = cellSize();
    if (cell == 0 || square.column < 0 || square.row < 0 || square.column >= lesson_->columns ||
        square.row >= lesson_->rows)
        return {};
    return QRect(gridRect().topLeft() + QPoint(square.column * cell, square.row * cell),
                 QSize(cell, cell));
}

void LessonGrid::mousePressEvent(QMouseEvent* event) {
    const int cell = cellSize();
    const QPoint at = event->position().toPoint() - gridRect().topLeft();
    if (event->button() != Qt::LeftButton || cell == 0 || at.x() < 0 || at.y() < 0) return;
    const Square square{at.x() / cell, at.y() / cell};
    if (square.column < lesson_->columns && square.row < lesson_->rows) emit squareClicked(square);
}

void LessonGrid::paintEvent(QPaintEvent*) {
    const QRect grid = gridRect();
    if (grid.isEmpty()) return;
    QPainter painter(this);
    painter.fillRect(grid, Qt::white);
    if (mat_ != nullptr && !mat_->isNull()) {
        QImage picture = mat_->scaled(grid.size() * devicePixelRatioF());
        picture.setDevicePixelRatio(devicePixelRatioF());
        painter.drawImage(grid.topLeft(), picture);
    }
    // Dotted like the pupil's floor, so the mat shows through.
    const int cell = cellSize();
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
    for (int column = 1; column < lesson_->columns; ++column)
        painter.drawLine(grid.left() + column * cell, grid.top(), grid.left() + column * cell,
                         grid.bottom());
    for (int row = 1; row < lesson_->rows; ++row)
        painter.drawLine(grid.left(), grid.top() + row * cell, grid.right(),
                         grid.top() + row * cell);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(grid);

    for (const Square square : lesson_->obstacles) {
        const QRect rect = squareRect(square);
        if (!rect.isEmpty()) paintObstacle(painter, rect);
    }
    const QRect start = squareRect(lesson_->start);
    if (!start.isEmpty()) paintStart(painter, start, lesson_->heading);
    for (qsizetype i = 0; i < lesson_->targets.size(); ++i) {
        QRectF rect = squareRect(lesson_->targets[i]);
        if (rect.isEmpty()) continue;
        // On the start a target is a badge in the corner, so the robot still shows.
        if (rect == QRectF(start))
            rect = QRectF(rect.right() - rect.width() * 0.5, rect.top(), rect.width() * 0.5,
                          rect.height() * 0.5);
        paintTarget(painter, rect, static_cast<int>(i + 1));
    }
}

}  // namespace lessons
