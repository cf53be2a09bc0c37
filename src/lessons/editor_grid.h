#pragma once

#include <QWidget>
#include <cstdint>

#include "lessons/lesson.h"

class QPainter;

namespace lessons {

class Mat;

// The lesson's grid as the editor shows it: the mat under it, obstacles, numbered targets and
// the start with the robot's own picture facing its heading. A click on a square is passed on.
class LessonGrid : public QWidget {
    Q_OBJECT

  public:
    explicit LessonGrid(QWidget* parent = nullptr);

    // Both are the editor's own and outlive the grid; call update() after changing them.
    void setLesson(const Lesson* lesson, const Mat* mat);

    // Where a square is drawn; empty when the square is not on the grid.
    QRect squareRect(Square square) const;

  signals:
    void squareClicked(lessons::Square square);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The whole grid, square cells, centred in the widget.
    QRect gridRect() const;
    int cellSize() const;

    const Lesson* lesson_ = nullptr;
    const Mat* mat_ = nullptr;
};

// The pictures of the three kinds of square, also the editor's tool and heading icons.
void paintObstacle(QPainter& painter, const QRectF& cell);
void paintTarget(QPainter& painter, const QRectF& cell, int number);
void paintStart(QPainter& painter, const QRectF& cell, std::int16_t heading);

}  // namespace lessons
