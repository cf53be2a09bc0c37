#include <sys/stat.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/status.h"
#include "files/files.h"
#include "lessons/play.h"
#include "platform/whole_file.h"
#include "settings/settings.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using settings::Settings;

namespace {

QString written(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

TEST(SettingsTest, TheUsersFileGoesOverTheSystemsAndEachBadValueIsIgnoredAloud) {
    struct Case {
        const char* what;
        QByteArray system, user;
        Settings expected;
        qsizetype problems;
    };
    const Case cases[] = {
        {"nothing set", "", "", {}, 0},
        {"user over system",
         "[floor]\ncolumns=16\nrows=15\n",
         "[floor]\nrows=12\n",
         {.floor = settings::Floor{16, 12}},
         0},
        {"a bad value leaves the one below",
         "[floor]\ncolumns=16\nrows=15\n",
         "[floor]\nrows=abc\n",
         {.floor = settings::Floor{16, 15}},
         1},
        {"beyond the lesson grid", "[floor]\ncolumns=0\nrows=33\n", "", {}, 2},
        {"one side alone", "[floor]\ncolumns=16\n", "", {}, 1},
        {"login and home",
         "[programs]\nfolder=/srv/%u/\n[pupil]\nlesson=~/maze\n",
         "",
         {.programsFolder = "/srv/ann", .lesson = "/home/ann/maze"},
         0},
        {"relative paths", "[programs]\nfolder=marlo\n[pupil]\nlesson=~ann/maze\n", "", {}, 2},
        {"words for true",
         "[pupil]\nspeak=yes\nwriter-from-login=On\n[printing]\nalways-pdf=1\n",
         "",
         {.speak = true, .writerFromLogin = true, .alwaysPdf = true},
         0},
        {"unknown keys, unclear truth", "[pupil]\nspeek=true\nspeak=maybe\n", "", {}, 2},
        {"languages",
         "[language]\nlanguage=fr\n",
         "[language]\nlanguage=xx_YY\n",
         {.language = "fr"},
         1},
        {"access",
         "[access]\nscan=true\nscan-seconds=2.5\n",
         "[access]\nscan-seconds=0.4\n",
         {.access = {.scan = true, .scanSeconds = 2.5}},
         1},
        {"a file far too big", "[pupil]\nspeak=true\n" + QByteArray(70000, ';'), "", {}, 1},
    };
    for (const Case& c : cases) {
        const QTemporaryDir dir;
        const QStringList files{written(dir.filePath("system.conf"), c.system),
                                written(dir.filePath("user.conf"), c.user)};
        const settings::Read read = settings::read(files, "ann", "/home/ann");
        EXPECT_EQ(read.settings, c.expected) << c.what;
        EXPECT_EQ(read.problems.size(), c.problems)
            << c.what << read.problems.join('\n').toStdString();
    }
}

TEST(SettingsTest, TheShippedExampleSetsNothingAndEveryKeyInItIsKnownAndGood) {
    const QString example = MARLO_SOURCE_DIR "/packaging/marlo.conf";
    const settings::Read asShipped = settings::read({example}, "ann", "/home/ann");
    EXPECT_EQ(asShipped.settings, Settings{});
    // Nothing at all, not even a key ignored on every start.
    EXPECT_TRUE(asShipped.origins.empty() && asShipped.problems.isEmpty())
        << asShipped.problems.join('\n').toStdString();
    const QTemporaryDir dir;
    const QRegularExpression commentedKey("^; ([a-z-]+=)", QRegularExpression::MultilineOption);
    const QString uncommented =
        written(dir.filePath("marlo.conf"),
                QString(contents(example)).replace(commentedKey, "\\1").toUtf8());
    const settings::Read allSet = settings::read({uncommented}, "ann", "/home/ann");
    EXPECT_EQ(allSet.origins.size(), 13u) << allSet.problems.join('\n').toStdString();
}

TEST(SettingsTest, TheCommandLineAddsToTheSchoolsAccessOptions) {
    QCommandLineParser parser;
    const a11y::CommandLine line(parser);
    parser.process(QStringList{"marlo", "--step-button", "--scan-seconds", "3"});
    QString problem;
    EXPECT_EQ(line.read(problem, {.highContrast = true, .twoSwitches = true, .scanSeconds = 2}),
              (a11y::Options{true, true, true, 3, true}));
}

// A school's folder on a "share", with the dialogues answered by the script.
class SchoolFolderTest : public MarloTest {
  protected:
    void SetUp() override {
        school.programsFolder = share.path() + "/marlo";
        QDir().mkdir(school.programsFolder);
        platform::replaceSeam(&school);
        MarloTest::SetUp();
    }
    void TearDown() override {
        MarloTest::TearDown();
        platform::replaceSeam<Settings>(nullptr);
    }
    QTemporaryDir share;
    Settings school;
};

TEST_F(SchoolFolderTest, AFolderGoneBeforeOrDuringASaveSaysSoAndTheProgramStays) {
    // The share goes while the pupil is choosing a name.
    struct GoesWhileAsking final : platform::FileDialogs {
        QString folder;
        std::optional<QString> open(const platform::FileChoice&) override { return {}; }
        std::optional<QString> save(const platform::FileChoice&) override {
            QDir(folder).removeRecursively();
            return folder + "/me/square";
        }
    } going;
    going.folder = school.programsFolder;
    buttons().forwards_Click();
    using Click = void (GraphicsWindow::*)();
    for (const Click button :
         {&GraphicsWindow::save_Click, &GraphicsWindow::save_Click, &GraphicsWindow::load_Click}) {
        {
            platform::replaceSeam<platform::FileDialogs>(&going);
            (graphics().*button)();
            platform::replaceSeam<platform::FileDialogs>(&dialogs);
        }
        EXPECT_EQ(currentStatus(), "folder missing");
        EXPECT_EQ(variables::prog, "F");
    }
    EXPECT_FALSE(QFileInfo::exists(school.programsFolder));
    EXPECT_EQ(variables::saved, variables::no);
}

// One floor on every screen, the cells as large as fit; a lesson's floor in its stead while it
// is open.
TEST_F(SchoolFolderTest, TheSchoolsFloorIsTheSameOnEveryScreenAndComesBackAfterALesson) {
    school.floor = settings::Floor{16, 15};
    std::vector<int> cells;
    for (const auto& [width, height] : {std::pair{1024, 768}, {1920, 1080}}) {
        start(width, height);
        EXPECT_EQ(std::pair(Module2::columncount(), Module2::rowcount()), std::pair(16, 15));
        EXPECT_LE(variables::bottomedge, graphics().load.twips.top()) << width;
        cells.push_back(variables::cellsize);
    }
    EXPECT_GT(cells[1], cells[0]);
    lessons::Lesson lesson;
    lessons::open(lesson);
    EXPECT_EQ(Module2::columncount(), 8);
    lessons::leave();
    EXPECT_EQ(std::pair(Module2::columncount(), int{variables::cellsize}), std::pair(16, cells[1]));
}

TEST_F(SchoolFolderTest, TheWriterCanBeTheLoginAndTheReportAlwaysAPdf) {
    school.writerFromLogin = school.alwaysPdf = true;
    printers.printer = "office";
    start();
    EXPECT_EQ(variables::author, settings::loginName());
    QTest::mouseClick(&graphics().PrintButton, Qt::LeftButton);
    EXPECT_TRUE(QFileInfo::exists(files::writerDirectory() + "/my program.pdf"));
    EXPECT_FALSE(QFileInfo::exists(home.filePath("paper 1.pdf")));
}

TEST(WholeFileTest, ASaveKeepsTheOldFilesModeAndANewFileGetsTheUsualOne) {
    const QTemporaryDir dir;
    const QString old = written(dir.filePath("old.mlo"), "old");
    QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const mode_t mask = umask(022);
    for (const auto& [name, mode] : {std::pair{"old.mlo", 0640}, {"new.mlo", 0644}}) {
        ASSERT_TRUE(platform::writeWhole(dir.filePath(name), "new"));
        struct stat info {};
        stat(QFile::encodeName(dir.filePath(name)), &info);
        EXPECT_EQ(info.st_mode & 0777, mode) << name;
    }
    umask(mask);
}

}  // namespace
