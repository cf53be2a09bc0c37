#include <QCoreApplication>
#include <algorithm>

#include "app/status.h"
#include "app/variables.h"
#include "lessons/on_floor.h"
#include "lessons/play.h"
#include "platform/services.h"
#include "printing/PrinterSupport.h"

using namespace variables;

namespace lessons {

namespace {

bool robotOn(Square square) {
    return xpos == square.column && ypos == square.row;
}

// Targets count in their order: arriving on one counts when all before it have been visited.
void countVisit() {
    OnFloor& lesson = *onFloor();
    const QList<Square>& targets = lesson.lesson.targets;
    if (lesson.visited < targets.size() && robotOn(targets[lesson.visited])) ++lesson.visited;
}

// Every target visited in order, the robot on the last one.
bool visitedAll() {
    const OnFloor& lesson = *onFloor();
    return lesson.visited == lesson.lesson.targets.size() &&
           robotOn(lesson.lesson.targets.constLast());
}

bool judgesTargets() {
    return onFloor() && !onFloor()->lesson.targets.isEmpty();
}

}  // namespace

void putAtStart() {
    if (!onFloor()) return;
    const Lesson& lesson = onFloor()->lesson;
    xpos = toInteger(lesson.start.column);
    ypos = toInteger(lesson.start.row);
    heading = lesson.heading;
    // A first target on the start square is visited before the robot moves.
    onFloor()->visited = 0;
    countVisit();
}

void enterSquare(void (*crash)()) {
    if (!onFloor()) return;
    if (isObstacle(xpos, ypos)) {
        crash();
        xpos = oldx;
        ypos = oldy;
        return;
    }
    countVisit();
}

bool isObstacle(int column, int row) {
    return onFloor() && onFloor()->lesson.obstacles.contains(Square{column, row});
}

int obstacleCount() {
    return onFloor() ? static_cast<int>(onFloor()->lesson.obstacles.size()) : 0;
}

bool judgerun() {
    if (!judgesTargets()) return false;
    if (visitedAll()) {
        showStatus(QCoreApplication::translate("lessons", "well done!"));
        platform::seam<platform::Beeper>().beep();
    } else {
        showStatus(QCoreApplication::translate("lessons", "missed!"));
    }
    return true;
}

void printOutcome() {
    // As the target's outcome: none after a crash or for an empty program.
    if (!judgesTargets() || crashed == yes || prog.isEmpty()) return;
    PrinterSupport::belowTheFloor();
    PrinterSupport::printer().print(visitedAll()
                                        ? QCoreApplication::translate("lessons", "well done!")
                                        : QCoreApplication::translate("lessons", "missed"),
                                    true);
}

}  // namespace lessons
