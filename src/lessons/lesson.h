#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

// A lesson: a fixed floor with a start, obstacles, targets in order and an optional mat
// picture, kept in one JSON file that a teacher makes once and copies to every PC. Plain
// logic, no widgets, so it can be tested and fuzzed on its own.
namespace lessons {

inline constexpr QLatin1StringView fileSuffix(".marlo-lesson");
inline constexpr QLatin1StringView mimeType("application/vnd.brindle.marlo-lesson+json");
// Files beyond this are refused unread: the six shipped ones are each well under 200 KiB.
inline constexpr qsizetype maxFileBytes = 16 * 1024 * 1024;

inline constexpr int minCells = 1;
inline constexpr int maxCells = 32;
inline constexpr qsizetype maxTitleLength = 80;
inline constexpr qsizetype maxInstructionLength = 200;

// The mat types a lesson may carry.
inline constexpr QLatin1StringView pngType("image/png");
inline constexpr QLatin1StringView jpegType("image/jpeg");
inline constexpr QLatin1StringView svgType("image/svg+xml");

// Columns and rows count from 0 at the top left, as the floor's squares do.
struct Square {
    int column = 0;
    int row = 0;

    bool operator==(const Square&) const = default;
};

struct Lesson {
    QString title;
    QString instruction;
    int columns = 8;
    int rows = 6;
    Square start;
    std::int16_t heading = 1;  // as the robot's: 1 north, 2 east, 3 south, 4 west
    QList<Square> obstacles;
    QList<Square> targets;  // in the order they must be visited
    QByteArray mat;         // the picture's bytes as stored
    QString matType;        // one of the three types above, empty for no mat

    bool operator==(const Lesson&) const = default;
};

// Empty when the lesson can be played, otherwise one sentence for the teacher saying what is
// wrong. The reader refuses, and the editor will not save, a lesson with a problem. The mat's
// picture is not looked at here: Mat says whether it decodes.
QString problem(const Lesson& lesson);

// All or nothing: a lesson, or an error message that says what is wrong.
struct ReadLesson {
    std::optional<Lesson> lesson;
    QString error;
};

ReadLesson readLesson(QByteArrayView bytes);

// Indented UTF-8 JSON, one square a line, that reads back as the same lesson.
QByteArray writeLesson(const Lesson& lesson);

}  // namespace lessons
