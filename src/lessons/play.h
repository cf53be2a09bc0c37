#pragma once

#include <QString>

#include "lessons/lesson.h"
#include "platform/services.h"

// A lesson on the floor: where it joins the program's own operations. With no lesson open
// every one of these leaves MARLO as it is.
namespace lessons {

// --- Opening and leaving ---------------------------------------------------------------------

// Opens the lesson file at `path` on the floor, or says in a message box what is wrong with it.
// Either way the program in memory stays as it is. True when the lesson opened.
bool openFile(const QString& path);
// Lays the lesson out on the floor: its grid, mat, instruction, start, obstacles and targets.
void open(const Lesson& lesson);
// Back to the bare floor of the screen's own size.
void leave();
// The lesson on the floor; nullptr for none.
const Lesson* current();

// MARLO's windows take a lesson file dropped on them.
void acceptDrops();

// The load dialogue's choice, offering lessons beside programs and the folders the shipped
// lessons are installed in.
platform::FileChoice withLessons(platform::FileChoice choice);
// A lesson chosen in the load dialogue opens as one rather than being read as a program.
// True when `path` names a lesson file.
bool opensInstead(const QString& path);

// --- The floor -------------------------------------------------------------------------------

// The mat, the obstacles and the numbered targets, drawn on the floor under its lines.
void drawFloor();
// Puts the robot on the lesson's start square facing its heading, no target visited yet: for
// a run and for the printed replay alike.
void putAtStart();
// After each step, on screen and on paper: a step onto an obstacle crashes as a step off the
// floor does, and the robot goes back to the square it tried to leave; a step onto the next
// target counts it as visited.
void enterSquare(void (*crash)());
// The "target" button never puts its target on an obstacle.
bool isObstacle(int column, int row);
int obstacleCount();
// The verdict on a run that reached its end with no target marker showing, for a lesson with
// targets: "well done!" when it visited them all in order and ended on the last. True when it
// gave the verdict.
bool judgerun();

// --- The printed report ----------------------------------------------------------------------

// The grid, a light mat, the obstacles and the targets, under the path.
void printFloor();
// The outcome word for the lesson's targets, below the floor.
void printOutcome();
// "Town: " to go before the program's name in the header.
QString printedTitle();

}  // namespace lessons
