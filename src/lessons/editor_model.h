#pragma once

#include <QByteArray>
#include <QString>

#include "lessons/lesson.h"

// What the lesson editor does to a lesson and its files, apart from its window, so that it
// can be tested on its own.
namespace lessons {

// What a click on a square does.
enum class Tool { Obstacle, Target, Start };

// A new lesson: nothing placed and no start square yet, so the editor asks for one.
Lesson blankLesson();

// Obstacle: puts one on the square, or takes it away. Target: makes the square the last
// target, or takes that target away and the later ones move up. Start: moves the start there,
// or turns it a quarter turn clockwise when it is there already.
void place(Lesson& lesson, Square square, Tool tool);

// What a smaller grid took away.
struct Dropped {
    int obstacles = 0;
    int targets = 0;
    bool start = false;
};

// The grid made `columns` x `rows`; squares that fall outside it are taken away.
Dropped resizeGrid(Lesson& lesson, int columns, int rows);

// One sentence for the teacher about what was taken away; empty when nothing was.
QString describe(const Dropped& dropped);

// Takes away the start, every obstacle and every target.
void clearSquares(Lesson& lesson);

// A lesson file read whole, or why not.
ReadLesson readLessonFile(const QString& path);

// Writes the whole file or leaves the old one as it was. Empty when saved, else why not.
QString writeLessonFile(const QString& path, const QByteArray& bytes);

// A picture file as a mat, or why it cannot be one.
struct ChosenMat {
    QByteArray bytes;
    QString type;
    QString error;
};

ChosenMat readMatFile(const QString& path);

// A mat's bytes are kept under this, so that the lesson file, in base64, stays under
// maxFileBytes.
inline constexpr qsizetype maxMatBytes = 11 * 1024 * 1024;

}  // namespace lessons
