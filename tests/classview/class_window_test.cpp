#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "classview/class_view.h"
#include "classview/class_window.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

using classview::ClassList;
using classview::ClassWindow;
using namespace variables;

namespace {

// Every file and folder under a folder with its bytes and time, to see that nothing changed.
QStringList everything(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        QFile file(entry.filePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        found << entry.filePath() + ' ' + entry.lastModified().toString(Qt::ISODateWithMs) + ' ' +
                     QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
    }
    found.sort();
    return found;
}

// The writer in the header of each page of a PDF.
QStringList writersOnPages(const QString& pdf) {
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(text.waitForFinished());
    QStringList writers;
    static const QRegularExpression header("written by (\\w+)");
    for (const QString& page : QString::fromUtf8(text.readAllStandardOutput()).split('\f'))
        if (const auto found = header.match(page); found.hasMatch()) writers << found.captured(1);
    return writers;
}

// A class of three writers, one with a file that is no program, seen from a home of its own
// with no printer unless a test gives one.
class ClassWindowTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        write("Ann/square", "FRFRFRFR");
        write("Ann/line", "FFF");
        write("Bo/long", "FFFFFFFFFFFF");
        write("Cy/one", "F");
        QFile broken(at("Bo/broken.mlo"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(R"("","broken","Bo")");
    }

    QString at(const QString& name) const { return folder.filePath(name); }
    void write(const QString& name, const QString& prog) const {
        QDir().mkpath(QFileInfo(at(name)).path());
        QFile file(at(name + ".mlo"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QStringList parts = name.split('/');
        file.write(files::writeProgramLine({"", parts[1], parts[0], prog}));
    }
    static QString cell(const ClassWindow& window, int row, int column) {
        return window.table.model()->index(row, column).data().toString();
    }

    QTemporaryDir folder, out;
};

TEST_F(ClassWindowTest, ShowsTheFirstProgramAndOpensTheRowChosenAfterSortingAndFiltering) {
    ClassWindow window(folder.path());
    std::vector<QStringList> started;
    window.startProcess = [&](const QString& program, const QStringList& arguments) {
        started.push_back(QStringList{program} + arguments);
        return true;
    };
    EXPECT_EQ(cell(window, 0, ClassList::Program), "line");
    EXPECT_EQ(window.preview.pageCount(), 1);
    window.writers.setCurrentText("Bo");
    ASSERT_EQ(window.table.model()->rowCount(), 2);
    // Bo's first program is no program: no preview, nothing to open.
    EXPECT_EQ(cell(window, 0, ClassList::Commands), "not a MARLO program");
    EXPECT_EQ(window.preview.pageCount(), 0);
    EXPECT_FALSE(window.open.isEnabled());
    window.table.sortByColumn(ClassList::Commands, Qt::DescendingOrder);
    window.table.setCurrentIndex(window.table.model()->index(0, 0));
    window.open.click();
    EXPECT_EQ(started, (std::vector<QStringList>{
                           {QCoreApplication::applicationFilePath(), "--", at("Bo/long.mlo")}}));
}

// One report a page, in the order shown, each with its writer; the PDF goes where the
// teacher chose, and nothing in the class folder changes, nor is anything made in the home.
TEST_F(ClassWindowTest, PrintsOneReportAPageAndLeavesTheClassFolderAsItWas) {
    const QStringList before = everything(folder.path());
    dialogs.answer = out.filePath("class");
    ClassWindow window(folder.path());
    window.printEvery.click();
    const QString pdf = out.filePath("class.pdf");
    EXPECT_EQ(writersOnPages(pdf), QStringList({"Ann", "Ann", "Bo", "Cy"}));
    EXPECT_TRUE(window.status.text().endsWith("Left out, as they are not programs: 1."));

    // Chosen rows, in the order shown whatever the order chosen.
    printers.printer = "classroom";
    ClassWindow withPrinter(folder.path());
    const auto pick = [&](int row) {
        withPrinter.table.selectionModel()->select(
            withPrinter.table.model()->index(row, 0),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    withPrinter.table.clearSelection();
    pick(4), pick(1);
    withPrinter.printChosen.click();
    // The fake printer's paper comes out at home.
    EXPECT_EQ(writersOnPages(home.filePath("paper 1.pdf")), QStringList({"Ann", "Cy"}));
    QFile::remove(home.filePath("paper 1.pdf"));

    for (int row = 0; row < window.table.model()->rowCount(); ++row)
        window.table.setCurrentIndex(window.table.model()->index(row, 0));
    window.readAgain.click();
    EXPECT_EQ(everything(folder.path()), before);
    EXPECT_TRUE(everything(home.path()).isEmpty());
}

// The other end of "open in MARLO": the file is read as the load button reads one, and the
// load button's own dialogue is back for the next load.
TEST_F(ClassWindowTest, AProgramNamedOnTheCommandLineIsLoadedByTheLoadButton) {
    classview::loadGivenProgram(at("Ann/square.mlo"));
    EXPECT_EQ(std::tuple(prog, programname, author), std::tuple("FRFRFRFR", "square", "Ann"));
    classview::loadGivenProgram(at("Bo/broken.mlo"));
    EXPECT_EQ(prog, "FRFRFRFR");
    graphics().load_Click();
    EXPECT_EQ(dialogs.opens.size(), 1u);
}

// `marlo --class FOLDER` is the class view, and without a folder it reads the programs folder.
TEST_F(ClassWindowTest, TheClassOptionStartsTheClassViewOnTheFolderGiven) {
    QDir().mkpath(home.filePath("brindle/marlo/programs/Di"));
    QFile::copy(at("Cy/one.mlo"), home.filePath("brindle/marlo/programs/Di/one.mlo"));
    const auto readLine = [&](const QStringList& arguments) {
        QProcess marlo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MARLO_CLASSVIEW_TIMING", "1");
        marlo.setProcessEnvironment(environment);
        marlo.setReadChannel(QProcess::StandardError);
        marlo.start(QCoreApplication::applicationDirPath() + "/marlo", arguments);
        QByteArray said;
        while (!said.contains("first program shown") && marlo.waitForReadyRead(20000))
            said += marlo.readAllStandardError();
        marlo.kill();
        marlo.waitForFinished();
        static const QRegularExpression read("classview: read \\d+ files");
        return read.match(said).captured();
    };
    EXPECT_EQ(readLine({"--class", folder.path()}), "classview: read 5 files");
    EXPECT_EQ(readLine({"--class"}), "classview: read 1 files");
}

}  // namespace
