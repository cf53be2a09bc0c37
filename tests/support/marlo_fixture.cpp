#include "support/marlo_fixture.h"

#include <QFile>

#include "app/status.h"

using namespace variables;

void MarloTest::SetUp() {
    qputenv("HOME", QFile::encodeName(home.path()));
    start();
}

void MarloTest::start(int width, int height, double twipsX, double twipsY, QPoint origin) {
    unloadWindows();
    resetAll();
    screen.set(width, height, twipsX, twipsY, origin);
    graphics();
}

void MarloTest::expectSeen(const Seen& expected, std::source_location where) const {
    const testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "");
    const auto check = [](const auto& part, const auto& actual, const char* name) {
        if (part) {
            EXPECT_EQ(actual, *part) << name;
        }
    };
    check(expected.prog, prog, "prog");
    check(expected.programname, programname, "programname");
    check(expected.author, author, "author");
    check(expected.fileheader, fileheader, "fileheader");
    check(expected.saved, saved == yes, "saved");
    check(expected.status, currentStatus(), "status");
    check(expected.column, int{xpos}, "column");
    check(expected.row, int{ypos}, "row");
    check(expected.heading, int{heading}, "heading");
    check(expected.crashed, crashed == yes, "crashed");
    check(expected.running, running == yes, "running");
    check(expected.beeps, beeper.beeps, "beeps");
}
