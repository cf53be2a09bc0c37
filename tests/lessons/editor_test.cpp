#include <gtest/gtest.h>

#include <QBuffer>
#include <QButtonGroup>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <vector>

#include "lessons/editor.h"
#include "lessons/editor_grid.h"

namespace {

using namespace lessons;
using Unsaved = EditorOutside::Unsaved;

// Answers the editor's dialogues from a script and keeps what it was asked.
class ScriptedOutside final : public EditorOutside {
  public:
    QString openPath(QWidget*, const QString&) override { return {}; }
    QString savePath(QWidget*, const QString&) override { return saveAnswer; }
    QString picturePath(QWidget*, const QString&) override { return pictureAnswer; }
    Unsaved askUnsaved(QWidget*, const QString& problem) override {
        unsavedAsked << problem;
        return unsavedAnswer;
    }
    bool askYesNo(QWidget*, const QString&) override { return true; }
    void tell(QWidget*, const QString& message) override { told << message; }
    qint64 startMarlo(const QString& path) override {
        startedOn << path;
        return 42;
    }
    bool isRunning(qint64 id) override { return running && id == 42; }

    QString saveAnswer, pictureAnswer;
    Unsaved unsavedAnswer = Unsaved::Cancel;
    bool running = false;
    QStringList unsavedAsked, told, startedOn;
};

struct Editing {
    Editing() {
        editor.resize(1000, 700);
        editor.show();
    }
    template <class Widget>
    Widget* find(const char* name) {
        return editor.findChild<Widget*>(QLatin1String(name));
    }
    void press(const char* name) { find<QAbstractButton>(name)->click(); }
    void type(const char* name, const QString& text) {
        QTest::keyClicks(find<QLineEdit>(name), text);
    }
    void click(Tool tool, QList<Square> squares) {
        find<QToolButton>(qPrintable(QStringLiteral("tool%1").arg(static_cast<int>(tool))))
            ->click();
        auto* grid = find<LessonGrid>("grid");
        for (const Square square : squares)
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->squareRect(square).center());
    }
    // A lesson that can be saved: a title and a start.
    void makeReady() {
        type("title", QStringLiteral("Maze"));
        click(Tool::Start, {{0, 0}});
    }
    QString problemLine() { return find<QLabel>("problem")->text(); }

    ScriptedOutside outside;
    LessonEditor editor{outside};
    QTemporaryDir folder;
};

QByteArray pngBytes() {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

TEST(LessonEditorTest, ClicksPlaceAndTakeAwaySquares) {
    struct Case {
        const char* name;
        Tool tool;
        QList<Square> clicks;
        QList<Square> obstacles;
        QList<Square> targets;
        Square start;
        int heading;
    };
    const Case cases[] = {
        {"a second click takes an obstacle away",
         Tool::Obstacle,
         {{1, 1}, {2, 3}, {1, 1}},
         {{2, 3}},
         {},
         {-1, -1},
         1},
        {"targets in click order",
         Tool::Target,
         {{3, 0}, {1, 2}, {0, 0}},
         {},
         {{3, 0}, {1, 2}, {0, 0}},
         {-1, -1},
         1},
        {"taking a target away renumbers the rest",
         Tool::Target,
         {{3, 0}, {1, 2}, {0, 0}, {3, 0}},
         {},
         {{1, 2}, {0, 0}},
         {-1, -1},
         1},
        {"the start moves", Tool::Start, {{1, 1}, {7, 5}}, {}, {}, {7, 5}, 1},
        {"clicks on the start turn it round and on",
         Tool::Start,
         {{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}},
         {},
         {},
         {1, 1},
         2},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.click(c.tool, c.clicks);
        EXPECT_EQ(editing.editor.lesson().obstacles, c.obstacles) << c.name;
        EXPECT_EQ(editing.editor.lesson().targets, c.targets) << c.name;
        EXPECT_EQ(editing.editor.lesson().start, c.start) << c.name;
        EXPECT_EQ(editing.editor.lesson().heading, c.heading) << c.name;
    }
}

TEST(LessonEditorTest, ASmallerGridDropsWhatFallsOutsideAndSaysSo) {
    struct Case {
        const char* name;
        std::function<void(Editing&)> change;
        QList<Square> obstacles;
        QList<Square> targets;
        Square start;
        QString notice;
    };
    const Case cases[] = {
        {"shrunk",
         [](Editing& e) { e.find<QSpinBox>("columns")->setValue(5); },
         {{1, 1}},
         {{0, 0}},
         {-1, -1},
         QStringLiteral("The smaller grid took away the start, 1 obstacle and 2 targets outside "
                        "it.")},
        {"grown",
         [](Editing& e) { e.find<QSpinBox>("rows")->setValue(9); },
         {{1, 1}, {7, 5}},
         {{0, 0}, {7, 0}, {6, 2}},
         {6, 1},
         QString()},
        // Typed digit by digit, 12 would drop squares on its way through 1.
        {"typed",
         [](Editing& e) {
             auto* columns = e.find<QSpinBox>("columns");
             columns->selectAll();
             QTest::keyClicks(columns, QStringLiteral("12"));
             QTest::keyClick(columns, Qt::Key_Return);
         },
         {{1, 1}, {7, 5}},
         {{0, 0}, {7, 0}, {6, 2}},
         {6, 1},
         QString()},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.click(Tool::Obstacle, {{1, 1}, {7, 5}});
        editing.click(Tool::Target, {{0, 0}, {7, 0}, {6, 2}});
        editing.click(Tool::Start, {{6, 1}});
        c.change(editing);
        EXPECT_EQ(editing.editor.lesson().obstacles, c.obstacles) << c.name;
        EXPECT_EQ(editing.editor.lesson().targets, c.targets) << c.name;
        EXPECT_EQ(editing.editor.lesson().start, c.start) << c.name;
        EXPECT_EQ(editing.find<QLabel>("notice")->text(), c.notice) << c.name;
    }
}

TEST(LessonEditorTest, SaveAndTryOnlyWhenTheLessonIsPlayable) {
    struct Case {
        const char* name;
        std::function<void(Editing&)> edit;
        bool ready;
        const char* shown;
    };
    const Case cases[] = {
        {"new", [](Editing&) {}, false, "no title"},
        {"titled", [](Editing& e) { e.type("title", QStringLiteral("Maze")); }, false,
         "no start square"},
        {"titled and started", [](Editing& e) { e.makeReady(); }, true, "Ready"},
        {"a target on an obstacle",
         [](Editing& e) {
             e.makeReady();
             e.click(Tool::Obstacle, {{2, 2}});
             e.click(Tool::Target, {{2, 2}});
         },
         false, "A target (column 2, row 2) is on an obstacle."},
        {"cleared",
         [](Editing& e) {
             e.makeReady();
             e.press("clear");
         },
         false, "no start square"},
    };
    for (const Case& c : cases) {
        Editing editing;
        c.edit(editing);
        EXPECT_EQ(editing.find<QPushButton>("save")->isEnabled(), c.ready) << c.name;
        EXPECT_EQ(editing.find<QPushButton>("try")->isEnabled(), c.ready) << c.name;
        EXPECT_TRUE(editing.problemLine().contains(QLatin1String(c.shown))) << c.name;
    }
}

TEST(LessonEditorTest, ASavedLessonOpensAsItWasMade) {
    Editing editing;
    editing.find<QSpinBox>("columns")->setValue(5);
    editing.find<QSpinBox>("rows")->setValue(4);
    editing.makeReady();
    editing.type("instruction", QStringLiteral("Find the way out."));
    editing.press("heading2");
    editing.click(Tool::Obstacle, {{1, 0}, {1, 1}});
    editing.click(Tool::Target, {{2, 0}, {4, 3}});
    QFile picture(editing.folder.filePath(QStringLiteral("mat.png")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly) && picture.write(pngBytes()) > 0);
    picture.close();
    editing.outside.pictureAnswer = picture.fileName();
    editing.press("chooseMat");
    const QString path = editing.folder.filePath(QStringLiteral("maze.marlo-lesson"));
    editing.outside.saveAnswer = path;
    editing.press("save");

    EXPECT_FALSE(editing.editor.isModified());
    EXPECT_EQ(editing.editor.lesson().matType, pngType);
    LessonEditor reopened(editing.outside);
    reopened.start(path);
    EXPECT_EQ(reopened.lesson(), editing.editor.lesson());
}

TEST(LessonEditorTest, RefusedFilesAreToldAndChangeNothing) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* button;
        const char* told;
    };
    const Case cases[] = {
        {"a picture cut short", pngBytes().left(60), "chooseMat", "cut short"},
        {"not a picture", "hello", "chooseMat", "not a PNG, JPEG or SVG picture"},
        {"a picture with an outside link",
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\">"
         "<image href=\"file:///etc/hostname\"/></svg>",
         "chooseMat", "outside the lesson file"},
        {"a save into a missing folder", {}, "save", "not saved"},
    };
    for (const Case& c : cases) {
        Editing editing;
        editing.makeReady();
        QFile file(editing.folder.filePath(QStringLiteral("file")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size());
        file.close();
        editing.outside.pictureAnswer = file.fileName();
        editing.outside.saveAnswer = editing.folder.filePath(QStringLiteral("gone/x"));
        editing.press(c.button);
        EXPECT_TRUE(editing.outside.told.join(' ').contains(QLatin1String(c.told))) << c.name;
        EXPECT_TRUE(editing.editor.lesson().mat.isEmpty()) << c.name;
        EXPECT_TRUE(editing.editor.isModified()) << c.name;
    }
}

TEST(LessonEditorTest, ClosingAsksAboutChanges) {
    struct Case {
        const char* name;
        bool ready;
        Unsaved answer;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"cancelled", true, Unsaved::Cancel, false, false},
        {"left", true, Unsaved::Discard, true, false},
        {"saved", true, Unsaved::Save, true, true},
        {"cannot be saved", false, Unsaved::Save, false, false},
    };
    for (const Case& c : cases) {
        Editing editing;
        c.ready ? editing.makeReady() : editing.click(Tool::Obstacle, {{1, 1}});
        editing.outside.unsavedAnswer = c.answer;
        editing.outside.saveAnswer = editing.folder.filePath(QStringLiteral("a.marlo-lesson"));
        EXPECT_EQ(editing.editor.close(), c.closes) << c.name;
        EXPECT_EQ(QFile::exists(editing.outside.saveAnswer), c.saved) << c.name;
        EXPECT_EQ(editing.outside.unsavedAsked.size(), 1) << c.name;
    }
    Editing untouched;
    EXPECT_TRUE(untouched.editor.close());
    EXPECT_TRUE(untouched.outside.unsavedAsked.isEmpty());
}

TEST(LessonEditorTest, TryStartsMarloOnACopyThatLastsWhileItRuns) {
    for (const bool running : {true, false}) {
        QString tried;
        {
            Editing editing;
            editing.makeReady();
            editing.outside.running = running;
            editing.press("try");
            ASSERT_EQ(editing.outside.startedOn.size(), 1);
            tried = editing.outside.startedOn.constFirst();
            QFile file(tried);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(readLesson(file.readAll()).lesson, editing.editor.lesson());
        }
        EXPECT_EQ(QFile::exists(tried), running) << "running " << running;
        if (running) QDir(QFileInfo(QFileInfo(tried).path()).path()).removeRecursively();
    }
}

}  // namespace
