#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ostream>

#include "classview/class_folder.h"
#include "support/qt_printers.h"

using classview::Problem;

namespace {

struct Row {
    QString writer, name;
    int commands;
    Problem problem;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << '{' << row.writer.toStdString() << ", " << row.name.toStdString() << ", "
         << row.commands << ", " << static_cast<int>(row.problem) << '}';
}

class ClassFolder : public testing::Test {
  protected:
    QString at(const QString& name) const { return folder.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(at(name)).path());
        QFile file(at(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir folder;
};

// Writers and names come in a person's order; a file that is no program keeps its row and
// says why; a pipe named like a program must not keep the reading waiting.
TEST_F(ClassFolder, EveryProgramFileHasARowAndABadOneSaysWhy) {
    write("Sam 10/b.mlo", R"("","b","Sam 10","FF")"
                          "\r\n");
    write("Sam 2/zigzag.mlo", R"("","zigzag","Sam 2","FRFLFRFL")"
                              "\r\n");
    write("Sam 2/Maze.MLO", R"("","Maze","Sam 2","FFL")"
                            "\r\n");
    write("Sam 2/notes.txt", "no program");
    write("ann/cut.mlo", R"("","cut","ann")"
                         "\r\n");
    write("ann/empty.mlo", "");
    write("ann/big.mlo", R"("","big","ann",")" + QByteArray(1 << 20, 'F') + "\"\r\n");
    ASSERT_EQ(mkfifo(QFile::encodeName(at("ann/pipe.mlo")).constData(), 0644), 0);
    QFile::link(at("nowhere"), at("ann/gone.mlo"));
    QDir().mkpath(at("ann/folder.mlo"));
    // Saved under a name that is no folder's, a program lies in the class folder itself.
    write("loose.mlo", "\"\",\"loose\",\" Zo\xc3\xab \",\"F\"\r\n");
    write("bad.mlo", "\x89PNG");
    std::vector<Row> rows;
    for (const auto& program : classview::readClass(folder.path()))
        rows.push_back({program.writer, program.name, commandCount(program), program.problem});
    const std::vector<Row> expected = {
        {"", "bad", -1, Problem::NotAProgram},    {"ann", "big", -1, Problem::TooLarge},
        {"ann", "cut", -1, Problem::NotAProgram}, {"ann", "empty", -1, Problem::NotAProgram},
        {"ann", "gone", -1, Problem::Unreadable}, {"ann", "pipe", -1, Problem::Unreadable},
        {"Sam 2", "Maze", 3, Problem::None},      {"Sam 2", "zigzag", 8, Problem::None},
        {"Sam 10", "b", 2, Problem::None},        {"Zo\u00eb", "loose", 1, Problem::None}};
    EXPECT_EQ(rows, expected);
}

TEST_F(ClassFolder, SavedIsWhenTheFileWasLastWritten) {
    write("Sam/square.mlo", R"("","square","Sam","FRFRFRFR")"
                            "\r\n");
    const timeval times[2] = {{1767225600, 0}, {1767225600, 250000}};
    ASSERT_EQ(utimes(QFile::encodeName(at("Sam/square.mlo")).constData(), times), 0);
    EXPECT_EQ(classview::readProgram(at("Sam/square.mlo"), "Sam").saved.toMSecsSinceEpoch(),
              1767225600250);
}

}  // namespace
