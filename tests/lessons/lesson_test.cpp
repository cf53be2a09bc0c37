#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <functional>

#include "lessons/lesson.h"
#include "lessons/mat.h"
#include "support/qt_printers.h"

namespace lessons {
// A lesson in a failure reads as its file.
void PrintTo(const Lesson& lesson, std::ostream* out) {
    *out << writeLesson(lesson).left(500).toStdString();
}
}  // namespace lessons

namespace {

using lessons::Lesson;

QByteArray encoded(const QImage& image, const char* format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

QByteArray png(int width = 4, int height = 3) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    return encoded(image, "PNG");
}

QByteArray svg(const QByteArray& inside) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"10\" height=\"10\">" +
           inside + "</svg>";
}

Lesson sample() {
    Lesson lesson;
    lesson.title = "Town";
    lesson.instruction = "Visit the \"bakery\", then the caf\u00e9.";
    lesson.columns = 8;
    lesson.rows = 6;
    lesson.start = {0, 5};
    lesson.heading = 2;
    lesson.obstacles = {{1, 1}, {2, 1}};
    lesson.targets = {{7, 0}, {3, 3}};
    return lesson;
}

Lesson withMat(const QByteArray& bytes, QLatin1StringView type) {
    Lesson lesson = sample();
    lesson.mat = bytes;
    lesson.matType = type;
    return lesson;
}

QString readError(const QByteArray& file) {
    return lessons::readLesson(file).error;
}

TEST(LessonTest, WrittenLessonsReadBackAsThemselves) {
    Lesson bare = sample();
    bare.obstacles.clear();
    bare.targets.clear();
    bare.heading = 4;
    const Lesson lessons[] = {sample(), bare, withMat(png(), lessons::pngType),
                              withMat(encoded(QImage::fromData(png()), "JPEG"), lessons::jpegType),
                              withMat(svg("<rect width=\"5\" height=\"5\"/>"), lessons::svgType)};
    for (const Lesson& lesson : lessons)
        EXPECT_EQ(lessons::readLesson(lessons::writeLesson(lesson)).lesson, lesson)
            << lessons::readLesson(lessons::writeLesson(lesson)).error.toStdString();
}

TEST(LessonTest, SaysWhatMakesALessonUnplayable) {
    struct Case {
        const char* name;
        std::function<void(Lesson&)> change;
        QString problem;
    };
    const Case cases[] = {
        {"playable", [](Lesson&) {}, ""},
        {"no title", [](Lesson& l) { l.title = " "; }, "The lesson has no title."},
        {"long title", [](Lesson& l) { l.title.fill(u'a', 81); },
         "The title is longer than 80 characters."},
        {"title of two lines", [](Lesson& l) { l.title = "a\nb"; }, "The title must be one line."},
        {"long instruction", [](Lesson& l) { l.instruction.fill(u'a', 201); },
         "The instruction is longer than 200 characters."},
        {"instruction of two lines", [](Lesson& l) { l.instruction = "a\u2029b"; },
         "The instruction must be one line."},
        {"no columns", [](Lesson& l) { l.columns = 0; },
         "The grid is 0 x 6 squares; it must have 1 to 32 columns and rows."},
        {"too many rows", [](Lesson& l) { l.rows = 33; },
         "The grid is 8 x 33 squares; it must have 1 to 32 columns and rows."},
        {"heading", [](Lesson& l) { l.heading = 5; },
         "The start heading must be north, east, south or west."},
        {"no start", [](Lesson& l) { l.start = lessons::Square(-1, -1); },
         "The lesson has no start square."},
        {"start outside", [](Lesson& l) { l.start = lessons::Square(8, 0); },
         "The start square (column 8, row 0) is outside the grid."},
        {"obstacle outside", [](Lesson& l) { l.obstacles.append(lessons::Square(0, 6)); },
         "An obstacle (column 0, row 6) is outside the grid."},
        {"obstacle twice", [](Lesson& l) { l.obstacles.append(lessons::Square(2, 1)); },
         "Two obstacles are on one square (column 2, row 1)."},
        {"start on obstacle", [](Lesson& l) { l.obstacles.append(lessons::Square(0, 5)); },
         "The start square is on an obstacle."},
        {"target outside", [](Lesson& l) { l.targets.append(lessons::Square(-1, 0)); },
         "A target (column -1, row 0) is outside the grid."},
        {"target on obstacle", [](Lesson& l) { l.targets.append(lessons::Square(1, 1)); },
         "A target (column 1, row 1) is on an obstacle."},
        {"two targets on one square", [](Lesson& l) { l.targets.append(lessons::Square(7, 0)); },
         "Two targets are on one square (column 7, row 0)."},
        {"mat without type", [](Lesson& l) { l.mat = png(); }, "The mat picture has no type."},
        {"type without mat", [](Lesson& l) { l.matType = lessons::pngType; },
         "The mat picture is empty."},
        {"unknown type", [](Lesson& l) { l.mat = png(), l.matType = "image/gif"; },
         "The mat's type must be image/png, image/jpeg or image/svg+xml."}};
    for (const Case& c : cases) {
        Lesson lesson = sample();
        c.change(lesson);
        EXPECT_EQ(lessons::problem(lesson), c.problem) << c.name;
    }
}

// The sample lesson's file with one field set, or taken out when `value` is undefined.
QByteArray fileWith(const QString& key, const QJsonValue& value, const Lesson& lesson = sample()) {
    QJsonObject file = QJsonDocument::fromJson(lessons::writeLesson(lesson)).object();
    if (value.isUndefined())
        file.remove(key);
    else
        file[key] = value;
    return QJsonDocument(file).toJson();
}

QByteArray patchedPngSize(quint32 width, quint32 height) {
    QByteArray bytes = png(1, 1);
    // IHDR's width and height, then its CRC over the type and data.
    qToBigEndian(width, bytes.data() + 16);
    qToBigEndian(height, bytes.data() + 20);
    quint32 crc = 0xffffffff;
    for (const char byte : bytes.sliced(12, 17)) {
        crc ^= static_cast<uchar>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    qToBigEndian(~crc, bytes.data() + 29);
    return bytes;
}

QJsonObject mat(const QString& type, const QByteArray& bytes) {
    return {{"type", type}, {"data", QString::fromLatin1(bytes.toBase64())}};
}

TEST(LessonTest, ReaderRefusesABadFileWithAMessageThatSaysWhatIsWrong) {
    const QString outside = "The mat picture refers to something outside the lesson file.";
    const QByteArray nestedSvg = svg("<image xlink:href=\"pic.png\"/>").toBase64();
    struct Case {
        const char* name;
        QByteArray file;
        QString error;
    };
    const Case cases[] = {
        {"too large", QByteArray(lessons::maxFileBytes + 1, ' '),
         "The file is larger than 16 MiB, too large for a lesson."},
        {"cut short", "{\"format\": \"marlo-lesson\", ",
         "This is not a lesson file, or it is damaged: unterminated object at character 27."},
        {"a list", "[1]", "This is not a MARLO lesson: its \"format\" is not \"marlo-lesson\"."},
        {"another format", fileWith("format", "marlo-program"),
         "This is not a MARLO lesson: its \"format\" is not \"marlo-lesson\"."},
        {"newer version", fileWith("version", "2.0"),
         "This lesson is format version 2.0 and needs a newer MARLO: this one reads version 1 "
         "lessons."},
        {"no version number", fileWith("version", "one"),
         "The field \"version\" must be a version number such as \"1.0\"."},
        {"no rows", fileWith("rows", QJsonValue::Undefined), "The field \"rows\" is missing."},
        {"title not text", fileWith("title", 5), "The field \"title\" must be text."},
        {"half a column", fileWith("columns", 2.5),
         "The field \"columns\" must be a whole number."},
        {"start not an object", fileWith("start", 3),
         "The field \"start\" must be a group of fields in braces { }."},
        {"obstacle without row", fileWith("obstacles", QJsonArray{QJsonObject{{"column", 1}}}),
         "The field \"obstacles[0].row\" is missing."},
        {"targets not a list", fileWith("targets", "all"),
         "The field \"targets\" must be a list in brackets [ ]."},
        {"heading up", fileWith("start", QJsonObject{{"column", 0}, {"row", 0}, {"heading", "up"}}),
         "The field \"start.heading\" must be north, east, south or west."},
        {"unplayable", fileWith("rows", 40),
         "The grid is 8 x 40 squares; it must have 1 to 32 columns and rows."},
        {"mat not base64", fileWith("mat", QJsonObject{{"type", "image/png"}, {"data", "a*b"}}),
         "The field \"mat.data\" is not base64."},
        {"mat of another type", fileWith("mat", mat("image/jpeg", png())),
         "The mat picture is not a readable JPEG picture (Unable to read image data)."},
        {"mat not a picture", fileWith("mat", mat("image/png", "hello")),
         "The mat picture is not a readable PNG picture (Unable to read image data)."},
        {"huge mat", fileWith("mat", mat("image/png", patchedPngSize(100000, 100000))),
         "The mat picture is 100000 x 100000 pixels, too large: a mat may have at most 4096 x "
         "4096 pixels."},
        {"png chunk longer than the file",
         fileWith("mat", mat("image/png", png() + QByteArray::fromHex("7fffffff74455874"))),
         "The mat picture is not a readable PNG picture (it is cut short)."},
        {"svg not xml", fileWith("mat", mat("image/svg+xml", "<svg")),
         "The mat picture is not a readable SVG picture (Premature end of document.)."},
        {"svg file href",
         fileWith("mat", mat("image/svg+xml", svg("<image href=\"/etc/a.png\"/>"))), outside},
        {"svg web link",
         fileWith("mat", mat("image/svg+xml", svg("<use xlink:href=\"http://a/b#c\"/>"))), outside},
        {"svg style url",
         fileWith("mat", mat("image/svg+xml", svg("<rect style=\"fill:url(a.svg#g)\"/>"))),
         outside},
        {"svg import",
         fileWith("mat", mat("image/svg+xml", svg("<style>@import 'a.css';</style>"))), outside},
        {"svg inside svg",
         fileWith("mat", mat("image/svg+xml", svg("<image xlink:href=\"data:image/png;base64," +
                                                  nestedSvg + "\"/>"))),
         "The mat picture holds a picture that is not a readable PNG or JPEG picture."},
        {"svg entity",
         fileWith("mat", mat("image/svg+xml",
                             "<!DOCTYPE svg [<!ENTITY e SYSTEM \"/etc/passwd\">]>" + svg("&e;"))),
         outside}};
    for (const Case& c : cases) EXPECT_EQ(readError(c.file), c.error) << c.name;
}

TEST(LessonTest, ReaderTakesWhatANewerMinorVersionOrAnEditorAdds) {
    // A drawing program's SVG, with its embedded picture's base64 over several lines.
    const QByteArray wrapped = png().toBase64().insert(20, "\n   ");
    const Lesson lesson = withMat(
        svg("<image xlink:href=\"data:image/png;base64," + wrapped + "\"/>"), lessons::svgType);
    QJsonObject file = QJsonDocument::fromJson(lessons::writeLesson(lesson)).object();
    file["version"] = "1.7";
    file["colour"] = "blue";
    EXPECT_EQ(lessons::readLesson("\xEF\xBB\xBF" + QJsonDocument(file).toJson()).lesson, lesson);
}

TEST(MatTest, APhotoFromACameraOpens) {
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    EXPECT_EQ(lessons::Mat(encoded(photo, "JPEG"), lessons::jpegType).size(), QSize(4000, 3000));
}

TEST(MatTest, MakesEachSizeOnceAndDrawsAnSvgAtThatSize) {
    // An edge in the middle of a pixel at the SVG's own 10 x 10: scaled up from that bitmap, it
    // would be a 100-pixel band of half-covered grey.
    const lessons::Mat mat(svg("<rect width=\"5.5\" height=\"10\"/>"), lessons::svgType);
    const QImage big = mat.scaled(QSize(1000, 500));
    EXPECT_EQ(big.pixel(545, 250), qRgb(0, 0, 0));
    EXPECT_EQ(qAlpha(big.pixel(555, 250)), 0);
    EXPECT_EQ(mat.scaled(QSize(1000, 500)).cacheKey(), big.cacheKey());
    const lessons::Mat bitmap(png(4, 3), lessons::pngType);
    EXPECT_EQ(bitmap.scaled(QSize(40, 10)).size(), QSize(40, 10));
    EXPECT_EQ(bitmap.scaled(QSize(40, 10)).cacheKey(), bitmap.scaled(QSize(40, 10)).cacheKey());
}

TEST(LessonTest, ShippedLessonsArePlayableSmallAndHaveTheirMats) {
    const QDir folder(MARLO_LESSONS_DIR);
    const QStringList names = folder.entryList({"*" + lessons::fileSuffix}, QDir::Files);
    EXPECT_EQ(names.size(), 6);
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_LT(bytes.size(), 200 * 1024) << name.toStdString();
        const lessons::ReadLesson read = lessons::readLesson(bytes);
        EXPECT_EQ(read.error, "") << name.toStdString();
        EXPECT_FALSE(lessons::Mat(read.lesson.value_or(Lesson{})).isNull()) << name.toStdString();
    }
}

TEST(LessonTest, TheDocumentedExampleIsWhatMarloWrites) {
    QFile doc(MARLO_DOCS_DIR "/lesson-format.md");
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const qsizetype start = text.indexOf("```json\n") + 8;
    const QByteArray example = text.sliced(start, text.indexOf("```", start) - start);
    const lessons::ReadLesson read = lessons::readLesson(example);
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(lessons::writeLesson(*read.lesson).toStdString(), example.toStdString());
}

}  // namespace
