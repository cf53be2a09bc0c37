#include <QCoreApplication>

#include "app/status.h"
#include "app/variables.h"
#include "lessons/play.h"
#include "platform/services.h"
#include "simulation/Module2.h"

using namespace variables;

namespace Module2 {

namespace {
// One cell along the heading: 1 north, 2 east, 3 south, 4 west; y grows downwards.
void step(int cells) {
    switch (heading) {
        case 1:
            ypos = static_cast<std::int16_t>(ypos - cells);
            break;
        case 2:
            xpos = static_cast<std::int16_t>(xpos + cells);
            break;
        case 3:
            ypos = static_cast<std::int16_t>(ypos + cells);
            break;
        case 4:
            xpos = static_cast<std::int16_t>(xpos - cells);
            break;
        default:
            break;
    }
}
}  // namespace

void docommand(const QString& letter) {
    if (letter == QLatin1String("F")) {
        step(1);
    } else if (letter == QLatin1String("B")) {
        step(-1);
    } else if (letter == QLatin1String("L")) {
        heading = static_cast<std::int16_t>(heading == 1 ? 4 : heading - 1);
    } else if (letter == QLatin1String("R")) {
        heading = static_cast<std::int16_t>(heading == 4 ? 1 : heading + 1);
    }
    // "P" is only the run's usual wait; anything else is not a command the robot obeys.
}

void keepOnFloor(void (*offTheFloor)()) {
    if (xpos < 0) {
        offTheFloor();
        xpos = 0;
    }
    if (ypos < 0) {
        offTheFloor();
        ypos = 0;
    }
    const int lastColumn = columncount() - 1;
    if (xpos > lastColumn) {
        offTheFloor();
        xpos = toInteger(lastColumn);
    }
    const int lastRow = rowcount() - 1;
    if (ypos > lastRow) {
        offTheFloor();
        ypos = toInteger(lastRow);
    }
    lessons::enterSquare(offTheFloor);
}

void checkcrash() {
    keepOnFloor(crash);
}

void crash() {
    crashed = yes;
    running = no;
    showStatus(QCoreApplication::translate("Status", "crashed!"));
    platform::seam<platform::Beeper>().beep();
}

}  // namespace Module2
