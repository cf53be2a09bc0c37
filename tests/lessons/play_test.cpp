#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QWindow>
#include <set>

#include <sys/stat.h>

#include "app/status.h"
#include "lessons/play.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"
#include "support/scripted_dispatch.h"

using namespace variables;
using lessons::Lesson;
using lessons::Square;

namespace {

struct RecordingNotices final : Fake<platform::Notices> {
    void warn(const QString& text, const QString& detail) override { told << text + ' ' + detail; }
    QStringList told;
};

// A 4 x 3 floor: the robot starts bottom left facing north, a rock in the second column.
Lesson rock(const QList<Square>& targets = {{0, 0}, {2, 0}}) {
    Lesson lesson;
    lesson.title = "Rock", lesson.columns = 4, lesson.rows = 3, lesson.start = {0, 2};
    lesson.obstacles = {{1, 1}}, lesson.targets = targets;
    return lesson;
}

QString title() {
    return lessons::current() != nullptr ? lessons::current()->title : QString();
}

QString shipped(const QString& name) {
    return MARLO_LESSONS_DIR "/" + name + ".marlo-lesson";
}

class PlayTest : public MarloTest {
  protected:
    static void run(const QString& program) {
        prog = program;
        buttons().go_Click();
    }
    RecordingNotices notices;
};

TEST_F(PlayTest, RunsKeepTheRulesAndAreJudgedOnTheTargetsInOrder) {
    struct Case {
        const char* name;
        QList<Square> targets;
        QString program;
        QString status;
        Square end;
    };
    const Case cases[] = {
        {"both in order", {{0, 0}, {2, 0}}, "FFRFF", "well done!", {2, 0}},
        {"first skipped", {{0, 0}, {2, 0}}, "RFFLFF", "missed!", {2, 0}},
        {"second twice, first never", {{0, 0}, {2, 0}}, "RFFLFFBF", "missed!", {2, 0}},
        {"second, first, second", {{0, 0}, {2, 0}}, "RFFLFFLFFRRFF", "well done!", {2, 0}},
        {"past the last", {{0, 0}, {2, 0}}, "FFRFFF", "missed!", {3, 0}},
        {"into the rock", {{0, 0}, {2, 0}}, "RFLFF", "crashed!", {1, 2}},
        {"target on the start", {{0, 2}}, "", "well done!", {0, 2}},
        {"no targets", {}, "FF", "finished", {0, 0}}};
    for (const Case& c : cases) {
        lessons::open(rock(c.targets));
        run(c.program);
        EXPECT_EQ(currentStatus(), c.status) << c.name;
        EXPECT_EQ((Square{xpos, ypos}), c.end) << c.name;
    }
}

TEST_F(PlayTest, ALessonStartsWhereItSaysIsSpokenAndLeavingItRestoresTheScreensFloor) {
    platform::setSpokenMode(true);
    const QImage bare = graphics().grab().toImage();
    ASSERT_TRUE(lessons::openFile(shipped("number-line")));
    EXPECT_EQ(speech.said, std::vector<QString>{"Number line 0 to 20: Start on 0. Go forwards to "
                                                "8, then back to 3."});
    run("FFL");
    buttons().clear_Click();
    EXPECT_EQ((Square{xpos, ypos}), (Square{0, 1}));
    EXPECT_EQ(heading, 2);
    graphics().findChild<QPushButton*>("leaveLesson")->click();
    EXPECT_EQ(graphics().grab().toImage(), bare);
}

TEST_F(PlayTest, EveryShippedLessonHasItsInstructionAboveTheLargestGridThatFits) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        for (const QString name :
             {"alphabet", "challenge", "maze", "number-line", "town", "treasure-island"}) {
            lessons::leave();
            unloadWindows();
            start(screen.width(), screen.height());
            ASSERT_TRUE(lessons::openFile(shipped(name)));
            GraphicsWindow& main = graphics();
            const QRect strip = main.findChild<QWidget*>("instruction")->geometry();
            // Pixels, 10 clear of the window's sides, the strip and the bottom row.
            const QRect band(QPoint(10, strip.bottom() + 11),
                             QPoint(main.client().width() - 11, main.load.geometry().top() - 11));
            const QRectF floor(QPointF(leftedge, topedge) / 15,
                               QPointF(rightedge, bottomedge) / 15);
            const QSizeF larger =
                QSizeF(Module2::columncount(), Module2::rowcount()) * (cellsize / 15 + 1);
            const std::string where =
                QString("%1 at %2").arg(name).arg(screen.width()).toStdString();
            EXPECT_GT(strip.top(), main.progname.geometry().bottom()) << where;
            EXPECT_TRUE(band.contains(floor.toRect())) << where;
            EXPECT_TRUE(larger.width() > band.width() || larger.height() > band.height()) << where;
        }
    }
}

TEST_F(PlayTest, TheTargetButtonChoosesAFreeSquareAndNeverAnObstacle) {
    Lesson corridor = rock({});
    corridor.columns = 3, corridor.rows = 1, corridor.start = {0, 0}, corridor.obstacles = {{1, 0}};
    lessons::open(corridor);
    std::set<std::pair<int, int>> chosen;
    for (int click = 0; click < 20; ++click) {
        graphics().aim_Click();
        chosen.insert({targetx, targety});
    }
    EXPECT_EQ(chosen, (std::set<std::pair<int, int>>{{2, 0}}));
    corridor.columns = 2;
    lessons::open(corridor);
    graphics().aim_Click();
    EXPECT_TRUE(graphics().target.isHidden());
}

TEST_F(PlayTest, ABadLessonFileSaysWhatIsWrongAndChangesNothing) {
    const QTemporaryDir folder;
    QFile cut(folder.filePath("cut"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly) && cut.write("{\"format\": \"marlo-le") > 0);
    cut.close();
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("pipe")), 0600), 0);
    const std::pair<QString, QString> cases[] = {
        {"missing", "There is no such file."},
        {"pipe", "It is a folder or a device, not a lesson file."},
        {"cut",
         "This is not a lesson file, or it is damaged: unterminated string at character 21."}};
    lessons::open(rock());
    prog = "FRF";
    QStringList expected;
    for (const auto& [file, told] : cases) {
        EXPECT_FALSE(lessons::openFile(folder.filePath(file)));
        EXPECT_EQ(title(), "Rock") << file.toStdString();
        expected << "MARLO cannot open the lesson \"" + file + "\". " + told;
    }
    EXPECT_EQ(notices.told, expected);
    EXPECT_EQ(prog, "FRF");
}

TEST_F(PlayTest, ALessonDroppedOnMarloOpensKeepingTheProgramInMemory) {
    prog = "FRF";
    lessons::acceptDrops();
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(shipped("maze"))});
    // As the window system delivers a drag: to the window, entering before dropping.
    QDragEnterEvent enter({200, 300}, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(graphics().windowHandle(), &enter);
    QDropEvent drop({200, 300}, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(graphics().windowHandle(), &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(title(), "Maze");
    EXPECT_EQ(prog, "FRF");
}

}  // namespace
