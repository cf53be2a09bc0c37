#include "lessons/editor_model.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "lessons/mat.h"
#include "platform/regular_file.h"
#include "platform/whole_file.h"

namespace lessons {

namespace {

// The editor's texts, in the editor's context for the translators.
class Text {
    Q_DECLARE_TR_FUNCTIONS(LessonEditor)
};

bool inside(Square square, int columns, int rows) {
    return square.column < columns && square.row < rows;
}

// Takes the square out of the list; false when it was not there.
bool takeAway(QList<Square>& squares, Square square) {
    return squares.removeAll(square) > 0;
}

// At most `limit` bytes of a regular file, or why not. Anything but a regular file (a pipe, a
// device) could keep the read waiting, so it is refused unread.
std::optional<QByteArray> readCapped(const QString& path, qint64 limit, const QString& tooLarge,
                                     QString& error) {
    if (!QFileInfo(path).isFile()) {
        error = Text::tr("There is no file called %1.").arg(QFileInfo(path).fileName());
        return std::nullopt;
    }
    const std::optional<platform::FileStart> file = platform::readRegularFile(path, limit);
    if (!file) {
        error = Text::tr("The file cannot be read: %1.").arg(qt_error_string(errno));
        return std::nullopt;
    }
    if (file->cut) {
        error = tooLarge;
        return std::nullopt;
    }
    return file->bytes;
}

}  // namespace

Lesson blankLesson() {
    Lesson lesson;
    lesson.start = {-1, -1};
    return lesson;
}

void place(Lesson& lesson, Square square, Tool tool) {
    switch (tool) {
        case Tool::Obstacle:
            if (!takeAway(lesson.obstacles, square)) lesson.obstacles.append(square);
            break;
        case Tool::Target:
            if (!takeAway(lesson.targets, square)) lesson.targets.append(square);
            break;
        case Tool::Start:
            if (lesson.start == square)
                lesson.heading = static_cast<std::int16_t>(lesson.heading % 4 + 1);
            else
                lesson.start = square;
            break;
    }
}

Dropped resizeGrid(Lesson& lesson, int columns, int rows) {
    const auto outside = [&](Square square) { return !inside(square, columns, rows); };
    Dropped dropped;
    dropped.obstacles = static_cast<int>(lesson.obstacles.removeIf(outside));
    dropped.targets = static_cast<int>(lesson.targets.removeIf(outside));
    if (lesson.start.column >= 0 && outside(lesson.start)) {
        lesson.start = {-1, -1};
        dropped.start = true;
    }
    lesson.columns = columns;
    lesson.rows = rows;
    return dropped;
}

QString describe(const Dropped& dropped) {
    QStringList parts;
    if (dropped.start) parts << Text::tr("the start");
    // English has no translation file to choose its plurals.
    if (dropped.obstacles > 0)
        parts << (dropped.obstacles == 1 ? Text::tr("1 obstacle")
                                         : Text::tr("%1 obstacles").arg(dropped.obstacles));
    if (dropped.targets > 0)
        parts << (dropped.targets == 1 ? Text::tr("1 target")
                                       : Text::tr("%1 targets").arg(dropped.targets));
    if (parts.isEmpty()) return {};
    const QString last = parts.takeLast();
    const QString listed =
        parts.isEmpty() ? last : Text::tr("%1 and %2").arg(parts.join(QStringLiteral(", ")), last);
    return Text::tr("The smaller grid took away %1 outside it.").arg(listed);
}

void clearSquares(Lesson& lesson) {
    lesson.start = {-1, -1};
    lesson.obstacles.clear();
    lesson.targets.clear();
}

ReadLesson readLessonFile(const QString& path) {
    QString error;
    const std::optional<QByteArray> bytes =
        readCapped(path, maxFileBytes,
                   Text::tr("The file is larger than %1 MiB, too large for a lesson.")
                       .arg(maxFileBytes / (1024 * 1024)),
                   error);
    if (!bytes) return {std::nullopt, error};
    return readLesson(*bytes);
}

QString writeLessonFile(const QString& path, const QByteArray& bytes) {
    QString why;
    if (platform::writeWhole(path, bytes, &why)) return {};
    return why.isEmpty() ? Text::tr("The disk did not take the whole file.") : why;
}

ChosenMat readMatFile(const QString& path) {
    ChosenMat chosen;
    const std::optional<QByteArray> bytes =
        readCapped(path, maxMatBytes,
                   Text::tr("The picture is larger than %1 MiB, too large for a mat.")
                       .arg(maxMatBytes / (1024 * 1024)),
                   chosen.error);
    if (!bytes) return chosen;
    // By what the bytes are, whatever the file is called.
    if (bytes->startsWith("\x89PNG\r\n\x1a\n"))
        chosen.type = pngType;
    else if (bytes->startsWith("\xff\xd8\xff"))
        chosen.type = jpegType;
    else if (bytes->left(4096).contains("<svg"))
        chosen.type = svgType;
    if (chosen.type.isEmpty()) {
        chosen.error = Text::tr("This is not a PNG, JPEG or SVG picture.");
        return chosen;
    }
    if (const Mat mat(*bytes, chosen.type); mat.isNull()) {
        chosen.error = mat.error();
        chosen.type.clear();
        return chosen;
    }
    chosen.bytes = *bytes;
    return chosen;
}

}  // namespace lessons
