#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <random>

#include "app/status.h"
#include "files/files.h"
#include "support/listing_rows.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

// Saving and loading, at home in a fresh folder, with the dialogues and questions scripted.
class FilesTest : public MarloTest {
  protected:
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
    }
    // A path in the writer's directory, made if need be, and a file there holding any `bytes`.
    static QString inWriterDirectory(const QString& name, const QByteArray& bytes = {}) {
        files::makedirs();
        QFile file(files::writerDirectory() + '/' + name);
        EXPECT_TRUE(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes)));
        return file.fileName();
    }
    static QStringList filesThere() {
        return QDir(files::writerDirectory()).entryList(QDir::Files);
    }
    static void click(QWidget& button) { QTest::mouseClick(&button, Qt::LeftButton); }
    // Clicks `button` and chooses `path` in the dialogue it opens.
    void choose(QWidget& button, const QString& path) {
        dialogs.answer = path;
        click(button);
    }
};

// A loaded program is shown on a fresh floor with the robot at home, as if just typed in; a
// target stays. Saved, it goes to its writer's directory with its header.
TEST_F(FilesTest, LoadsOntoAFreshFloorAndSavesInTheWritersDirectoryKeepingHeaderAndNames) {
    const size_t floorOnly = graphics().surface().commands().size();
    const QString file =
        inWriterDirectory("old.mlo", "\"1998, v2\",\"zigzag\",\"Smith, Zo\xc3\xab\",\"FLX\"");
    buttons().forwards.click();
    xpos = 2, heading = 3;
    graphics().surface().line(0, 0, 500, 500);
    graphics().target.show();
    choose(graphics().load, file);
    expectSeen({"FLX", "zigzag", "Smith, Zo\u00eb", "1998, v2", true, "", 8, 7, 1});
    EXPECT_EQ(graphics().progname.text(), "zigzag");
    EXPECT_EQ(graphics().myname.text(), "Smith, Zo\u00eb");
    EXPECT_EQ(listedWords(), (std::vector<QString>{"forwards", "left", ""}));
    EXPECT_EQ(graphics().surface().commands().size(), floorOnly);
    EXPECT_FALSE(graphics().target.isHidden());
    // Named without an extension, in the loaded writer's directory.
    const QString name = "\u0142\u00f3d\u017a \u674e";
    choose(graphics().save, inWriterDirectory(name));
    EXPECT_EQ(dialogs.saves.at(0).directory, *files::programsDirectory() + "/Smith, Zo\u00eb");
    EXPECT_EQ(dialogs.saves.at(0).fileName, "zigzag");
    EXPECT_EQ(contents(inWriterDirectory(name + ".mlo")),
              "\"1998, v2\",\"\xc5\x82\xc3\xb3\x64\xc5\xba \xe6\x9d\x8e\","
              "\"Smith, Zo\xc3\xab\",\"FLX\"\r\n");
    expectSeen({"FLX", name, "Smith, Zo\u00eb", "1998, v2", true, ""});
    EXPECT_EQ(graphics().progname.text(), name);
    // Nothing else is left beside the file, such as a temporary one.
    EXPECT_EQ(filesThere(), QStringList{name + ".mlo"});
    EXPECT_EQ(questions.asked.size(), 1u);  // only before loading over the unsaved "F"
}

TEST_F(FilesTest, ANameGetsTheExtensionUnlessItEndsInItAndOpenStartsOnItsFile) {
    const struct {
        QString typed, file, name;
    } cases[] = {{"Mr. Smith", "Mr. Smith.mlo", "Mr. Smith"},
                 {"robots", "robots.mlo", "robots"},
                 {"SQUARE.MLO", "SQUARE.MLO", "SQUARE"}};
    for (const auto& c : cases) {
        choose(graphics().save, inWriterDirectory(c.typed));
        EXPECT_EQ(filesThere(), QStringList{c.file});
        EXPECT_EQ(graphics().progname.text(), c.name);
        QFile::remove(inWriterDirectory(c.file));
    }
    // The open dialogue starts on the program's file, and on one saved before the extension
    // was added as it is.
    dialogs.answer.reset();
    for (const QString file : {"Mr. Smith.mlo", "old"}) {
        inWriterDirectory(file, "\"\",\"\",\"\",\"\"");
        graphics().progname.setText(QFileInfo(file).completeBaseName());
        click(graphics().load);
        EXPECT_EQ(dialogs.opens.back().fileName, file);
    }
}

// Clicks `button` with the real dialogues, answering each modal window that comes up: a file
// dialogue is accepted as it stands, a question gets the next of `answers`. Returns what each
// showed: a dialogue's filter and file name, a question's text.
QStringList clickAnswering(QWidget& button, QList<QMessageBox::StandardButton> answers) {
    QStringList seen;
    QWidget* last = nullptr;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last) return;
        last = modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && seen.size() < 8) {
            seen << dialog->nameFilters().join(';') + " | " +
                        dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            static_cast<QDialog*>(dialog)->accept();
        } else if (box && !answers.isEmpty()) {
            seen << box->text();
            box->button(answers.takeFirst())->click();
        } else {
            static_cast<QDialog*>(modal)->reject();
        }
    });
    timer.start(10);
    QTest::mouseClick(&button, Qt::LeftButton);
    return seen;
}

TEST_F(FilesTest, TheRealDialoguesShowTheirFilterAndAskAboutTheFileReallyWritten) {
    platform::replaceSeam<platform::FileDialogs>(nullptr);
    const QString file = inWriterDirectory("Mr. Smith.mlo", "old");
    graphics().progname.setText("Mr. Smith");
    const QString save = "MARLO files (*.mlo) | Mr. Smith";
    const QString question = "Mr. Smith.mlo already exists.\nDo you want to replace it?";
    EXPECT_EQ(clickAnswering(graphics().save, {QMessageBox::No, QMessageBox::Yes}),
              (QStringList{save, question, save, question}));
    EXPECT_EQ(contents(file), "\"\",\"Mr. Smith\",\"me\",\"\"\r\n");
    EXPECT_EQ(clickAnswering(graphics().load, {}),
              QStringList{"marlo files (*.mlo) | Mr. Smith.mlo"});
    expectSeen({"", "Mr. Smith", "me", "", true, ""});
}

TEST_F(FilesTest, LoadsOnlyAWholeProgramFromARegularFileAndOtherwiseChangesNothing) {
    // A read that waited for ever would hang the test: the alarm ends it instead. A socket,
    // which cannot be opened anyway, is the e2e check's.
    alarm(20);
    const QString pipe = inWriterDirectory("pipe.mlo");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe), 0600), 0);
    const QByteArray tooLong = "\"h\",\"n\",\"w\"," + QByteArray(2 << 20, 'F');
    const struct {
        const char* what;
        QString path;
        bool loads;
    } cases[] = {
        {"two fields", inWriterDirectory("two.mlo", "\"new header\",\"new name\"\r\n"), false},
        {"an unclosed quote", inWriterDirectory("open.mlo", "\"h\",\"n\",\"w\",\"FRF"), false},
        {"a pipe", pipe, false},
        {"a device that never answers", "/dev/ptmx", false},
        {"a device that never ends", "/dev/urandom", false},
        {"an unquoted program cut by the read limit", inWriterDirectory("long.mlo", tooLong),
         false},
        {"a whole line before more than the read limit",
         inWriterDirectory("junk.mlo", "\"h\",\"n\",\"w\",\"FR\"\r\n" + tooLong), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        choose(graphics().load, c.path);
        if (c.loads)
            expectSeen({"FR", "n", "w", "h", true, ""});
        else
            expectSeen({"", "my program", "me", "", true, ""});
    }
}

TEST_F(FilesTest, ARunningOrCancelledSaveOrLoadChangesNothingButTheStatus) {
    // During a run the first click on save, load or exit only stops it.
    for (auto* button : {&graphics().save, &graphics().load, &program().ExitButton}) {
        running = yes;
        click(*button);
        expectSeen({"", "my program", "me", "", true, "stopped!"});
    }
    EXPECT_TRUE(dialogs.saves.empty() && dialogs.opens.empty() && ending.ends == 0);
    // Even a saved program counts as unsaved after a cancelled save.
    click(graphics().save);
    expectSeen({"", "my program", "me", "", false, "cancelled!"});
    buttons().forwards_Click();
    for (const bool answer : {false, true}) {
        showStatus("finished");
        questions.answer = answer;
        click(graphics().load);
        EXPECT_EQ(questions.asked.back(),
                  "You haven't saved your program. Do you want to continue?");
        EXPECT_EQ(dialogs.opens.size(), answer ? 1u : 0u);
        expectSeen({"F", "my program", "me", "", false, ""});
    }
}

// A full disk, a failing drive and a refused rename are the e2e check's, on the real binary.
TEST_F(FilesTest, ASaveIntoAReadOnlyFolderKeepsTheEarlierFileByteForByte) {
    const QByteArray earlier = "\"\",\"square\",\"me\",\"FRFRFRFRFRFRFRFRFRFRFRFR\"\r\n";
    dialogs.answer = inWriterDirectory("square.mlo", earlier);
    buttons().forwards_Click();
    // Root writes anywhere, so this save runs as nobody, who can only pass.
    for (QString dir = files::writerDirectory(); dir.startsWith(home.path());
         dir = QFileInfo(dir).path())
        chmod(QFile::encodeName(dir), dir == files::writerDirectory() ? 0555 : 0755);
    const bool asNobody = geteuid() == 0 && seteuid(65534) == 0;
    click(graphics().save);
    ASSERT_TRUE(!asNobody || seteuid(0) == 0);
    expectSeen({.saved = false, .status = "cancelled!"});
    EXPECT_EQ(contents(*dialogs.answer), earlier);
    EXPECT_EQ(filesThere(), QStringList{"square.mlo"});
}

TEST_F(FilesTest, WriterNamesTypedOrReadFromAFileMakeOnlyPlainFoldersOfTheProgramsDirectory) {
    std::mt19937 random(1);
    QByteArray noise(64, '"');
    for (char& byte : noise)
        while (byte == '"') byte = static_cast<char>(random());
    // Each with the folder the dialogues open in, under the programs directory.
    const std::pair<QString, std::vector<QByteArray>> groups[] = {
        {"", {"", "..", "../../x", "a/b", ".", "a\x01z\tb", "\x1b[31mred", noise}},
        {"/Zo\u00eb", {"Zo\xc3\xab ", "  Zo\xc3\xab", "Zo\xc3\xab"}}};
    for (const bool typed : {true, false}) {
        for (const auto& [folder, names] : groups) {
            for (const QByteArray& name : names) {
                SCOPED_TRACE(testing::Message() << name.toStdString() << (typed ? " typed" : ""));
                if (typed)
                    graphics().myname.setText(QString::fromUtf8(name));
                else
                    choose(graphics().load,
                           inWriterDirectory("w.mlo", "\"\",\"n\",\"" + name + "\",\"\""));
                dialogs.answer.reset();
                click(graphics().save);
                click(graphics().load);
                EXPECT_EQ(dialogs.saves.back().directory, *files::programsDirectory() + folder);
                EXPECT_EQ(dialogs.opens.back().directory, *files::programsDirectory() + folder);
            }
        }
    }
    EXPECT_EQ(QDir(*files::programsDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Zo\u00eb"});
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"brindle"});
}

TEST_F(FilesTest, WithoutAHomeTheTreeGoesToThePasswordDatabasesHome) {
    const QString passwordHome = getpwuid(getuid())->pw_dir;
    // Unset, empty, relative or the root: none is a home.
    for (const char* variable : {static_cast<const char*>(nullptr), "", "home", "/"}) {
        variable ? qputenv("HOME", variable) : qunsetenv("HOME");
        EXPECT_EQ(files::programsDirectory(), passwordHome + "/brindle/marlo/programs") << variable;
    }
}

TEST_F(FilesTest, AUserWithNoHomeCannotSaveAndLoadsFromWhereverTheDialogueOpens) {
    constexpr uid_t unknown = 54321;
    ASSERT_EQ(getpwuid(unknown), nullptr);
    if (geteuid() != 0) GTEST_SKIP() << "only root can become a user with no home";
    qunsetenv("HOME");
    ASSERT_EQ(setresuid(unknown, unknown, 0), 0);
    EXPECT_EQ(files::programsDirectory(), std::nullopt);
    click(graphics().save);
    expectSeen({.saved = false, .status = "cancelled!"});
    click(graphics().load);
    ASSERT_EQ(setresuid(0, 0, 0), 0);
    EXPECT_TRUE(dialogs.saves.empty());
    EXPECT_EQ(dialogs.opens.at(0).directory, "");
}

}  // namespace
