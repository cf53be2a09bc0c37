#include "lessons/lesson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>

#include "lessons/mat.h"

namespace lessons {

namespace {

constexpr QLatin1StringView formatName("marlo-lesson");
constexpr int majorVersion = 1;
constexpr QLatin1StringView version("1.0");
constexpr std::array<QLatin1StringView, 4> headingNames{
    QLatin1StringView("north"), QLatin1StringView("east"), QLatin1StringView("south"),
    QLatin1StringView("west")};

// --- problem -------------------------------------------------------------------------------

bool inside(const Lesson& lesson, Square square) {
    return square.column >= 0 && square.row >= 0 && square.column < lesson.columns &&
           square.row < lesson.rows;
}

// `text` is marked with QT_TRANSLATE_NOOP where it is written.
QString at(const char* text, Square square) {
    return QCoreApplication::translate("lessons", text).arg(square.column).arg(square.row);
}

// A title or instruction is shown on one line.
bool isOneLine(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
               c.category() == QChar::Separator_Paragraph;
    });
}

}  // namespace

QString problem(const Lesson& lesson) {
    if (lesson.title.trimmed().isEmpty())
        return QCoreApplication::translate("lessons", "The lesson has no title.");
    if (lesson.title.size() > maxTitleLength)
        return QCoreApplication::translate("lessons", "The title is longer than %1 characters.")
            .arg(maxTitleLength);
    if (!isOneLine(lesson.title))
        return QCoreApplication::translate("lessons", "The title must be one line.");
    if (lesson.instruction.size() > maxInstructionLength)
        return QCoreApplication::translate("lessons",
                                           "The instruction is longer than %1 characters.")
            .arg(maxInstructionLength);
    if (!isOneLine(lesson.instruction))
        return QCoreApplication::translate("lessons", "The instruction must be one line.");
    if (lesson.columns < minCells || lesson.columns > maxCells || lesson.rows < minCells ||
        lesson.rows > maxCells)
        return QCoreApplication::translate(
                   "lessons",
                   "The grid is %1 x %2 squares; it must have %3 to %4 columns and rows.")
            .arg(lesson.columns)
            .arg(lesson.rows)
            .arg(minCells)
            .arg(maxCells);
    if (lesson.heading < 1 || lesson.heading > 4)
        return QCoreApplication::translate("lessons",
                                           "The start heading must be north, east, south or west.");
    if (lesson.start.column < 0 || lesson.start.row < 0)
        return QCoreApplication::translate("lessons", "The lesson has no start square.");
    if (!inside(lesson, lesson.start))
        return at(QT_TRANSLATE_NOOP("lessons",
                                    "The start square (column %1, row %2) is outside the grid."),
                  lesson.start);
    QSet<std::pair<int, int>> obstacles;
    for (const Square square : lesson.obstacles) {
        if (!inside(lesson, square))
            return at(QT_TRANSLATE_NOOP("lessons",
                                        "An obstacle (column %1, row %2) is outside the grid."),
                      square);
        if (obstacles.contains({square.column, square.row}))
            return at(QT_TRANSLATE_NOOP("lessons",
                                        "Two obstacles are on one square (column %1, row %2)."),
                      square);
        obstacles.insert({square.column, square.row});
    }
    if (obstacles.contains({lesson.start.column, lesson.start.row}))
        return QCoreApplication::translate("lessons", "The start square is on an obstacle.");
    QSet<std::pair<int, int>> targets;
    for (const Square square : lesson.targets) {
        if (!inside(lesson, square))
            return at(
                QT_TRANSLATE_NOOP("lessons", "A target (column %1, row %2) is outside the grid."),
                square);
        if (obstacles.contains({square.column, square.row}))
            return at(
                QT_TRANSLATE_NOOP("lessons", "A target (column %1, row %2) is on an obstacle."),
                square);
        if (targets.contains({square.column, square.row}))
            return at(
                QT_TRANSLATE_NOOP("lessons", "Two targets are on one square (column %1, row %2)."),
                square);
        targets.insert({square.column, square.row});
    }
    if (lesson.mat.isEmpty() != lesson.matType.isEmpty())
        return lesson.mat.isEmpty()
                   ? QCoreApplication::translate("lessons", "The mat picture is empty.")
                   : QCoreApplication::translate("lessons", "The mat picture has no type.");
    if (!lesson.matType.isEmpty() && lesson.matType != pngType && lesson.matType != jpegType &&
        lesson.matType != svgType)
        return QCoreApplication::translate(
            "lessons", "The mat's type must be image/png, image/jpeg or image/svg+xml.");
    return {};
}

// --- reading -------------------------------------------------------------------------------

namespace {

// Thrown inside the reader only: the first thing wrong ends the read.
struct Refusal {
    QString message;
};

[[noreturn]] void refuse(const QString& message) {
    throw Refusal{message};
}

// A named place in the file, "obstacles[2].row", for the messages.
QString path(const QString& parent, QLatin1StringView name) {
    return parent.isEmpty() ? QString(name) : parent + QLatin1Char('.') + name;
}

QJsonValue field(const QJsonObject& object, const QString& parent, QLatin1StringView name) {
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        refuse(QCoreApplication::translate("lessons", "The field \"%1\" is missing.")
                   .arg(path(parent, name)));
    return value;
}

QString text(const QJsonObject& object, const QString& parent, QLatin1StringView name) {
    const QJsonValue value = field(object, parent, name);
    if (!value.isString())
        refuse(QCoreApplication::translate("lessons", "The field \"%1\" must be text.")
                   .arg(path(parent, name)));
    return value.toString();
}

int number(const QJsonObject& object, const QString& parent, QLatin1StringView name) {
    const QJsonValue value = field(object, parent, name);
    const double d = value.toDouble(0.5);
    if (!value.isDouble() || !std::isfinite(d) || std::trunc(d) != d)
        refuse(QCoreApplication::translate("lessons", "The field \"%1\" must be a whole number.")
                   .arg(path(parent, name)));
    // Far beyond every limit, so problem() still says what is wrong.
    return static_cast<int>(std::clamp(d, -1e6, 1e6));
}

QJsonObject object(const QJsonValue& value, const QString& where) {
    if (!value.isObject())
        refuse(QCoreApplication::translate(
                   "lessons", "The field \"%1\" must be a group of fields in braces { }.")
                   .arg(where));
    return value.toObject();
}

QList<Square> squares(const QJsonObject& lesson, QLatin1StringView name) {
    QList<Square> list;
    const QJsonValue value = lesson.value(name);
    if (value.isUndefined()) return list;
    if (!value.isArray())
        refuse(QCoreApplication::translate("lessons",
                                           "The field \"%1\" must be a list in brackets [ ].")
                   .arg(name));
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("%1[%2]").arg(name).arg(i);
        const QJsonObject square = object(array[i], where);
        list.append({number(square, where, QLatin1StringView("column")),
                     number(square, where, QLatin1StringView("row"))});
    }
    return list;
}

void checkFormat(const QJsonObject& file) {
    if (file.value(QLatin1StringView("format")).toString() != formatName)
        refuse(QCoreApplication::translate(
            "lessons", "This is not a MARLO lesson: its \"format\" is not \"marlo-lesson\"."));
    static const QRegularExpression versionPattern(QStringLiteral("^([1-9]\\d{0,5})\\.\\d{1,6}$"));
    const QString version = text(file, {}, QLatin1StringView("version"));
    const QRegularExpressionMatch match = versionPattern.match(version);
    if (!match.hasMatch())
        refuse(QCoreApplication::translate(
            "lessons", "The field \"version\" must be a version number such as \"1.0\"."));
    // A newer minor version only adds fields, which this reader passes over.
    if (match.captured(1).toInt() != majorVersion)
        refuse(QCoreApplication::translate(
                   "lessons",
                   "This lesson is format version %1 and needs a newer MARLO: this one reads "
                   "version %2 lessons.")
                   .arg(version)
                   .arg(majorVersion));
}

Lesson fromJson(const QJsonObject& file) {
    checkFormat(file);
    Lesson lesson;
    lesson.title = text(file, {}, QLatin1StringView("title"));
    lesson.instruction = text(file, {}, QLatin1StringView("instruction"));
    lesson.columns = number(file, {}, QLatin1StringView("columns"));
    lesson.rows = number(file, {}, QLatin1StringView("rows"));
    const QString start = QStringLiteral("start");
    const QJsonObject startFields = object(field(file, {}, QLatin1StringView("start")), start);
    lesson.start = {number(startFields, start, QLatin1StringView("column")),
                    number(startFields, start, QLatin1StringView("row"))};
    const QString heading = text(startFields, start, QLatin1StringView("heading"));
    const auto name = std::find(headingNames.begin(), headingNames.end(), heading);
    if (name == headingNames.end())
        refuse(QCoreApplication::translate(
            "lessons", "The field \"start.heading\" must be north, east, south or west."));
    lesson.heading = static_cast<std::int16_t>(name - headingNames.begin() + 1);
    lesson.obstacles = squares(file, QLatin1StringView("obstacles"));
    lesson.targets = squares(file, QLatin1StringView("targets"));
    if (file.contains(QLatin1StringView("mat"))) {
        const QString mat = QStringLiteral("mat");
        const QJsonObject matFields = object(file.value(mat), mat);
        lesson.matType = text(matFields, mat, QLatin1StringView("type"));
        const auto data = QByteArray::fromBase64Encoding(
            text(matFields, mat, QLatin1StringView("data")).toLatin1(),
            QByteArray::AbortOnBase64DecodingErrors);
        if (!data)
            refuse(QCoreApplication::translate("lessons", "The field \"mat.data\" is not base64."));
        lesson.mat = *data;
    }
    return lesson;
}

}  // namespace

ReadLesson readLesson(QByteArrayView bytes) {
    if (bytes.size() > maxFileBytes)
        return {std::nullopt,
                QCoreApplication::translate(
                    "lessons", "The file is larger than %1 MiB, too large for a lesson.")
                    .arg(maxFileBytes / (1024 * 1024))};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt,
                QCoreApplication::translate(
                    "lessons", "This is not a lesson file, or it is damaged: %1 at character %2.")
                    .arg(parseError.errorString())
                    .arg(parseError.offset)};
    if (!document.isObject())
        return {
            std::nullopt,
            QCoreApplication::translate(
                "lessons", "This is not a MARLO lesson: its \"format\" is not \"marlo-lesson\".")};
    try {
        Lesson lesson = fromJson(document.object());
        if (const QString wrong = problem(lesson); !wrong.isEmpty()) return {std::nullopt, wrong};
        if (const Mat mat(lesson); !mat.error().isEmpty()) return {std::nullopt, mat.error()};
        return {std::move(lesson), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.message};
    }
}

// --- writing -------------------------------------------------------------------------------

namespace {

// A string in JSON's quotes and escapes, as Qt writes it.
QByteArray quoted(const QString& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

QByteArray square(Square square) {
    return "{\"column\": " + QByteArray::number(square.column) +
           ", \"row\": " + QByteArray::number(square.row) + '}';
}

QByteArray list(const QList<Square>& squares) {
    if (squares.isEmpty()) return "[]";
    QByteArrayList lines;
    for (const Square s : squares) lines.append("        " + square(s));
    return "[\n" + lines.join(",\n") + "\n    ]";
}

}  // namespace

QByteArray writeLesson(const Lesson& lesson) {
    const QByteArray heading = lesson.heading >= 1 && lesson.heading <= 4
                                   ? quoted(headingNames[lesson.heading - 1])
                                   : QByteArray::number(lesson.heading);
    QByteArrayList fields{
        "\"format\": " + quoted(formatName),
        "\"version\": " + quoted(version),
        "\"title\": " + quoted(lesson.title),
        "\"instruction\": " + quoted(lesson.instruction),
        "\"columns\": " + QByteArray::number(lesson.columns),
        "\"rows\": " + QByteArray::number(lesson.rows),
        "\"start\": " + square(lesson.start).chopped(1) + ", \"heading\": " + heading + '}',
        "\"obstacles\": " + list(lesson.obstacles),
        "\"targets\": " + list(lesson.targets)};
    if (!lesson.mat.isEmpty() || !lesson.matType.isEmpty())
        fields.append("\"mat\": {\"type\": " + quoted(lesson.matType) +
                      ", \"data\": " + quoted(QString::fromLatin1(lesson.mat.toBase64())) + '}');
    return "{\n    " + fields.join(",\n    ") + "\n}\n";
}

}  // namespace lessons
