#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

#include "app/status.h"
#include "files/files.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using namespace variables;

namespace {

// Saving, loading and leaving, with HOME in a fresh temporary folder and the dialogues, the
// question and the end of the process scripted.
class FilesTest : public MarloTest, protected AnsweredDialogs {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        qputenv("HOME", home.path().toUtf8());
        startMarlo();
    }
    // What a pupil would see change: program, name, writer, header, saved and the status.
    static QStringList state() {
        return {prog,           programname, author, fileheader, saved == yes ? "saved" : "unsaved",
                currentStatus()};
    }
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
    static void click(QWidget& button) { QTest::mouseClick(&button, Qt::LeftButton); }
    // Clicks `button` and chooses `path` in the dialogue it opens.
    void choose(QWidget& button, const QString& path) {
        dialogs.answer = path;
        click(button);
    }

    QTemporaryDir home;
};

TEST_F(FilesTest, SavesInTheLoadedWritersDirectoryKeepingItsHeaderAndNames) {
    choose(graphics().load,
           inWriterDirectory("old.mlo", "\"1998, v2\",\"zigzag\",\"Smith, Zo\xc3\xab\",\"FLX\""));
    EXPECT_EQ(state(), (QStringList{"FLX", "zigzag", "Smith, Zo\u00eb", "1998, v2", "saved", ""}));
    // Named without an extension, in the loaded writer's directory.
    choose(graphics().save, inWriterDirectory("\u0142\u00f3d\u017a \u674e"));
    EXPECT_EQ((QStringList{dialogs.saves.at(0).directory, dialogs.saves.at(0).fileName}),
              (QStringList{*files::programsDirectory() + "/Smith, Zo\u00eb", "zigzag"}));
    EXPECT_EQ(contents(inWriterDirectory("\u0142\u00f3d\u017a \u674e.mlo")),
              "\"1998, v2\",\"\xc5\x82\xc3\xb3\x64\xc5\xba \xe6\x9d\x8e\","
              "\"Smith, Zo\xc3\xab\",\"FLX\"\r\n");
    const QStringList kept{
        "FLX", "\u0142\u00f3d\u017a \u674e", "Smith, Zo\u00eb", "1998, v2", "saved", ""};
    EXPECT_EQ(state(), kept);
    EXPECT_EQ(graphics().progname.text(), kept[1]);
    // Nothing else is left beside the file, such as a temporary one.
    EXPECT_EQ(QDir(files::writerDirectory()).entryList(QDir::Files),
              QStringList{"\u0142\u00f3d\u017a \u674e.mlo"});
    EXPECT_TRUE(questions.asked.empty());
}

TEST_F(FilesTest, ANameGetsTheExtensionUnlessItEndsInItAndOpenStartsOnItsFile) {
    struct Case {
        QString typed;
        QString file;
        QString name;
    };
    const Case cases[] = {{"Mr. Smith", "Mr. Smith.mlo", "Mr. Smith"},
                          {"robots", "robots.mlo", "robots"},
                          {"SQUARE.MLO", "SQUARE.MLO", "SQUARE"}};
    for (const Case& c : cases) {
        choose(graphics().save, inWriterDirectory(c.typed));
        EXPECT_EQ(QDir(files::writerDirectory()).entryList(QDir::Files), QStringList{c.file});
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
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (seen.size() > 8 || (box && answers.isEmpty())) {
            static_cast<QDialog*>(modal)->reject();
        } else if (dialog) {
            seen << dialog->nameFilters().join(';') + " | " +
                        dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            static_cast<QDialog*>(dialog)->accept();
        } else if (box) {
            seen << box->text();
            box->button(answers.takeFirst())->click();
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
    EXPECT_EQ(state(), (QStringList{"", "Mr. Smith", "me", "", "saved", ""}));
}

TEST_F(FilesTest, LoadsOnlyAWholeProgramFromARegularFileAndOtherwiseChangesNothing) {
    // A read that waited for ever would hang the test: the alarm ends it instead. A socket,
    // which cannot be opened anyway, is the e2e check's.
    alarm(20);
    const QString pipe = inWriterDirectory("pipe.mlo");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe), 0600), 0);
    struct Case {
        const char* what;
        QString path;
        bool loads;
    };
    const QByteArray tooLong = "\"h\",\"n\",\"w\"," + QByteArray(2 << 20, 'F');
    const Case cases[] = {
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
    for (const Case& c : cases) {
        choose(graphics().load, c.path);
        EXPECT_EQ(state(), (c.loads ? QStringList{"FR", "n", "w", "h", "saved", ""}
                                    : QStringList{"", "my program", "me", "", "saved", ""}))
            << c.what;
    }
}

TEST_F(FilesTest, ARunningOrCancelledSaveOrLoadChangesNothingButTheStatus) {
    // During a run the first click on save, load or exit only stops it.
    for (auto* button : {&graphics().save, &graphics().load, &program().ExitButton}) {
        running = yes;
        click(*button);
        EXPECT_EQ(state(), (QStringList{"", "my program", "me", "", "saved", "stopped!"}));
    }
    EXPECT_TRUE(dialogs.saves.empty() && dialogs.opens.empty() && ending.ends == 0);
    // Even a saved program counts as unsaved after a cancelled save.
    saved = yes;
    click(graphics().save);
    EXPECT_EQ(state(), (QStringList{"", "my program", "me", "", "unsaved", "cancelled!"}));
    buttons().forwards_Click();
    dialogs.answer.reset();
    for (const bool yes : {false, true}) {
        showStatus("finished");
        questions.answer = yes;
        click(graphics().load);
        EXPECT_EQ(questions.asked.back(),
                  "You haven't saved your program. Do you want to continue?");
        EXPECT_EQ(dialogs.opens.size(), yes ? 1u : 0u);
        EXPECT_EQ(state(), (QStringList{"F", "my program", "me", "", "unsaved", ""}));
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
    EXPECT_EQ(state().mid(4), (QStringList{"unsaved", "cancelled!"}));
    EXPECT_EQ(contents(*dialogs.answer), earlier);
    EXPECT_EQ(QDir(files::writerDirectory()).entryList(QDir::Files), QStringList{"square.mlo"});
}

TEST_F(FilesTest, WriterNamesTypedOrReadFromAFileMakeOnlyPlainFoldersOfTheProgramsDirectory) {
    std::mt19937 random(1);
    QByteArray noise(64, '"');
    for (char& byte : noise)
        while (byte == '"') byte = static_cast<char>(random());
    struct Writers {
        // The folder the dialogues open in, under the programs directory.
        QString folder;
        std::vector<QByteArray> names;
    };
    const Writers groups[] = {
        {"", {"", "..", "../../x", "a/b", ".", "a\x01z\tb", "\x1b[31mred", noise}},
        {"/Zo\u00eb", {"Zo\xc3\xab ", "  Zo\xc3\xab", "Zo\xc3\xab"}}};
    for (const bool typed : {true, false}) {
        for (const auto& [folder, names] : groups) {
            for (const QByteArray& name : names) {
                if (typed)
                    graphics().myname.setText(QString::fromUtf8(name));
                else
                    choose(graphics().load,
                           inWriterDirectory("w.mlo", "\"\",\"n\",\"" + name + "\",\"\""));
                dialogs.answer.reset();
                click(graphics().save);
                click(graphics().load);
                const QString where = *files::programsDirectory() + folder;
                EXPECT_EQ(dialogs.saves.back().directory, where) << name.toStdString() << typed;
                EXPECT_EQ(dialogs.opens.back().directory, where) << name.toStdString() << typed;
            }
        }
    }
    EXPECT_EQ(QDir(*files::programsDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Zo\u00eb"});
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"brindle"});
}

TEST_F(FilesTest, WithoutAHomeTheTreeGoesToThePasswordDatabasesHome) {
    const QString home = getpwuid(getuid())->pw_dir;
    // Unset, empty, relative or the root: none is a home.
    for (const char* variable : {static_cast<const char*>(nullptr), "", "home", "/"}) {
        variable ? qputenv("HOME", variable) : qunsetenv("HOME");
        EXPECT_EQ(files::programsDirectory(), home + "/brindle/marlo/programs") << variable;
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
    EXPECT_EQ(state().mid(4), (QStringList{"unsaved", "cancelled!"}));
    click(graphics().load);
    ASSERT_EQ(setresuid(0, 0, 0), 0);
    EXPECT_TRUE(dialogs.saves.empty());
    EXPECT_EQ(dialogs.opens.at(0).directory, "");
}

TEST_F(FilesTest, LeavingAsksOnlyWhileTheProgramIsUnsaved) {
    click(program().ExitButton);
    buttons().forwards_Click();
    // Closing the listing from the desktop asks too, and keeps it open.
    EXPECT_FALSE(program().close());
    QueryExitWindow& question = QueryExit();
    EXPECT_TRUE(program().isVisible() && question.isVisible() && ending.ends == 1);
    click(question.cancel);
    EXPECT_EQ(state(), (QStringList{"F", "my program", "me", "", "unsaved", ""}));
    // Saving while asked lets the next exit, or the desktop's close, end at once.
    click(program().ExitButton);
    choose(graphics().save, inWriterDirectory("kept.mlo"));
    click(program().ExitButton);
    EXPECT_TRUE(program().close());
    EXPECT_EQ(ending.ends, 3);
}

}  // namespace
