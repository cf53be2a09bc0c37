#include <QDir>

#include "app/status.h"
#include "files/files_fixture.h"

using namespace variables;

namespace {

const QByteArray square("\"\",\"square\",\"me\",\"FRFRFRFR\"\r\n");

class SaveLoadTest : public FilesTest {
  protected:
    // Types letters on the keypad, as a pupil would.
    static void enter(const QString& letters) {
        for (const QChar letter : letters) buttons().progbutton(letter);
    }
    // Saves through the save button to `name` in the writer's directory.
    void saveAs(const QString& name) {
        dialogs.answer = inWriterDirectory(name);
        click(graphics().save);
    }
    void loadFrom(const QString& path) {
        dialogs.answer = path;
        click(graphics().load);
    }
};

TEST_F(SaveLoadTest, SavingSquareRightAfterStartUpWritesTheExampleBytes) {
    enter(QStringLiteral("FRFRFRFR"));
    saveAs(QStringLiteral("square.mlo"));
    const QString programs = home.path() + QStringLiteral("/brindle/marlo/programs");
    EXPECT_EQ(contents(programs + QStringLiteral("/me/square.mlo")), square);
    EXPECT_EQ(graphics().progname.text(), "square");
    EXPECT_EQ(programname, "square");
    EXPECT_EQ(saved, True);
    EXPECT_EQ(currentStatus(), QString());
    ASSERT_EQ(dialogs.saves.size(), 1u);
    EXPECT_EQ(dialogs.saves[0].directory, programs + QStringLiteral("/me"));
    EXPECT_EQ(dialogs.saves[0].fileName, "my program");
    EXPECT_EQ(dialogs.saves[0].filter, "MARLO files (*.mlo)");
    // Nothing else is left beside the file, such as a temporary one.
    EXPECT_EQ(QDir(programs + QStringLiteral("/me")).entryList(QDir::Files),
              QStringList{"square.mlo"});
}

TEST_F(SaveLoadTest, LoadShowsTheProgramAndItsNamesAndTheNextSaveKeepsItsHeader) {
    const QString path = inWriterDirectory(QStringLiteral("old.mlo"));
    write(path, "\"from 1998, v2\",\"zigzag\",\"Class 3\",\"FLFRB\"\r\n");
    showStatus(QStringLiteral("finished"));
    loadFrom(path);
    GraphicsWindow& main = graphics();
    EXPECT_EQ(prog, "FLFRB");
    EXPECT_EQ(main.progname.text(), "zigzag");
    EXPECT_EQ(main.myname.text(), "Class 3");
    EXPECT_EQ(saved, True);
    EXPECT_EQ(currentStatus(), QString());
    EXPECT_TRUE(questions.asked.empty());
    ASSERT_EQ(dialogs.opens.size(), 1u);
    EXPECT_EQ(dialogs.opens[0].filter, "marlo files (*.mlo)");

    // The loaded writer's directory is where the next dialogue opens.
    saveAs(QStringLiteral("zigzag2.mlo"));
    EXPECT_EQ(dialogs.saves[0].directory, files::programsDirectory() + "/Class 3");
    EXPECT_EQ(dialogs.saves[0].fileName, "zigzag");
    EXPECT_EQ(contents(inWriterDirectory(QStringLiteral("zigzag2.mlo"))),
              "\"from 1998, v2\",\"zigzag2\",\"Class 3\",\"FLFRB\"\r\n");
}

struct Naming {
    QString typed;
    QString file;
    QString programName;
};

class NamingTest : public SaveLoadTest, public testing::WithParamInterface<Naming> {};

TEST_P(NamingTest, TheChosenNameGivesTheFileAndTheProgramName) {
    enter(QStringLiteral("F"));
    saveAs(GetParam().typed);
    EXPECT_EQ(QDir(files::writerDirectory()).entryList(QDir::Files), QStringList{GetParam().file});
    EXPECT_EQ(programname, GetParam().programName);
    EXPECT_EQ(saved, True);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamingTest,
    // Without an extension the load dialogue's filter would never show the file.
    testing::Values(Naming{"robots", "robots.mlo", "robots"},
                    Naming{"robots.mlo", "robots.mlo", "robots"},
                    Naming{"notes.txt", "notes.txt", "notes"},
                    Naming{"my.robots", "my.robots", "my.ro"}));

TEST_F(SaveLoadTest, ANameShorterThanFourCharactersIsCancelled) {
    enter(QStringLiteral("F"));
    saveAs(QStringLiteral("a.b"));
    EXPECT_EQ(currentStatus(), "cancelled!");
    EXPECT_EQ(saved, False);
    EXPECT_TRUE(QDir(files::writerDirectory()).entryList(QDir::Files).isEmpty());
}

TEST_F(SaveLoadTest, CancellingTheSaveShowsCancelledAndCountsAsUnsavedEvenWhenItWasSaved) {
    ASSERT_EQ(saved, True);
    dialogs.answer.reset();
    click(graphics().save);
    EXPECT_EQ(currentStatus(), "cancelled!");
    EXPECT_EQ(saved, False);
    EXPECT_EQ(graphics().progname.text(), "my program");
}

TEST_F(SaveLoadTest, NoToTheQuestionOrCancellingTheOpenChangesNothingButTheStatus) {
    enter(QStringLiteral("FR"));
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        showStatus(QStringLiteral("finished"));
        questions.answer = yes;
        dialogs.answer.reset();
        click(graphics().load);
        EXPECT_EQ(questions.asked.back(),
                  "You haven't saved your program. Do you want to continue?");
        EXPECT_EQ(dialogs.opens.size(), yes ? 1u : 0u);
        EXPECT_EQ(currentStatus(), QString());
        EXPECT_EQ(prog, "FR");
        EXPECT_EQ(saved, False);
        EXPECT_EQ(programname, "my program");
    }
}

TEST_F(SaveLoadTest, AFailedLoadChangesNoNameHeaderOrProgram) {
    const QString good = inWriterDirectory(QStringLiteral("good.mlo"));
    write(good, "\"hdr\",\"good\",\"me\",\"FF\"\r\n");
    loadFrom(good);
    const QString broken = inWriterDirectory(QStringLiteral("broken.mlo"));
    for (const QByteArray& damaged : {QByteArray("\"new header\",\"new name\"\r\n"),
                                      QByteArray("\"h\",\"n\",\"w\",\"FRF"), QByteArray()}) {
        SCOPED_TRACE(damaged.toStdString());
        write(broken, damaged);
        loadFrom(broken);
        EXPECT_EQ(fileheader, "hdr");
        EXPECT_EQ(programname, "good");
        EXPECT_EQ(author, "me");
        EXPECT_EQ(prog, "FF");
    }
    loadFrom(inWriterDirectory(QStringLiteral("missing.mlo")));
    EXPECT_EQ(prog, "FF");
    EXPECT_EQ(currentStatus(), QString());
}

TEST_F(SaveLoadTest, SaveAndLoadDuringARunOnlyStopIt) {
    for (QWidget* button :
         {static_cast<QWidget*>(&graphics().save), static_cast<QWidget*>(&graphics().load)}) {
        running = True;
        click(*button);
        EXPECT_EQ(running, False);
        EXPECT_EQ(currentStatus(), "stopped!");
    }
    EXPECT_TRUE(dialogs.saves.empty());
    EXPECT_TRUE(dialogs.opens.empty());
    EXPECT_TRUE(questions.asked.empty());
}

TEST_F(SaveLoadTest, AWriterNameThatIsNoDirectoryNameOpensAtTheProgramsDirectory) {
    for (const QString& writer : {QString(), QStringLiteral(".."), QStringLiteral("../../x"),
                                  QStringLiteral("a/b"), QStringLiteral(".")}) {
        SCOPED_TRACE(writer.toStdString());
        graphics().myname.setText(writer);
        dialogs.answer.reset();
        click(graphics().save);
        click(graphics().load);
        EXPECT_EQ(dialogs.saves.back().directory, files::programsDirectory());
        EXPECT_EQ(dialogs.opens.back().directory, files::programsDirectory());
    }
    // Nothing was made outside the programs tree, nor beside "me" inside it.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"brindle"});
    EXPECT_EQ(
        QDir(home.path() + "/brindle/marlo").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{"programs"});
    EXPECT_TRUE(
        QDir(files::programsDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(SaveLoadTest, SaveAndLoadMakeTheWritersDirectoryBeforeTheDialogueOpens) {
    const QString writers[] = {QStringLiteral("Class 3"), QStringLiteral("Zo\u00eb")};
    for (const QString& writer : writers) {
        graphics().myname.setText(writer);
        click(writer == writers[0] ? graphics().save : graphics().load);
    }
    EXPECT_EQ(QDir(files::programsDirectory()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"Class 3", "Zo\u00eb"}));
}

struct Kept {
    QString writer;
    QString fileName;
    QString program;
};

class KeptTest : public SaveLoadTest, public testing::WithParamInterface<Kept> {};

TEST_P(KeptTest, NamesAndProgramComeBackUnchangedFromALaterLoad) {
    graphics().myname.setText(GetParam().writer);
    enter(GetParam().program);
    saveAs(GetParam().fileName + ".mlo");
    const QString path = files::writerDirectory() + "/" + GetParam().fileName + ".mlo";
    // As if MARLO had started again.
    buttons().clear_Click();
    graphics().myname.setText(QStringLiteral("me"));
    graphics().progname.setText(QStringLiteral("my program"));
    loadFrom(path);
    EXPECT_EQ(author, GetParam().writer);
    EXPECT_EQ(programname, GetParam().fileName);
    EXPECT_EQ(prog, GetParam().program);
    EXPECT_EQ(graphics().myname.text(), GetParam().writer);
}

INSTANTIATE_TEST_SUITE_P(Programs, KeptTest,
                         testing::Values(Kept{"Smith, Jo", "left, right", "FLFR"},
                                         Kept{"Zo\u00eb", "\u0142\u00f3d\u017a", "FFB"},
                                         Kept{"\u674e\u534e", "\u5f62", "P"},
                                         Kept{"me", "nothing", ""}));

TEST_F(SaveLoadTest, AnEmptyProgramIsSavedAsTwoQuotes) {
    saveAs(QStringLiteral("empty.mlo"));
    EXPECT_EQ(contents(inWriterDirectory("empty.mlo")), "\"\",\"empty\",\"me\",\"\"\r\n");
}

TEST_F(SaveLoadTest, LongProgramsAndOtherLettersLoadWithoutComplaint) {
    for (const QString& letters :
         {QString(400, QLatin1Char('F')), QStringLiteral("FXUDQ7 z\u00e9")}) {
        const QString path = inWriterDirectory(QStringLiteral("odd.mlo"));
        write(path, "\"\",\"odd\",\"me\",\"" + letters.toUtf8() + "\"\r\n");
        loadFrom(path);
        EXPECT_EQ(prog, letters);
        EXPECT_EQ(saved, True);
    }
}

}  // namespace
