#pragma once

#include <QString>
#include <optional>

// The robot on the floor: grid geometry, moves, the crash check, the sprite and the reset.
namespace Module2 {

// Floor size in whole cells, from the main window as it is now, or the fixed floor's.
int columncount();
int rowcount();

// The one way to give the floor a size of its own, whatever the window: a lesson's grid, or a
// school's fixed floor. Its cells are as large as fit the band between the name boxes and the
// bottom row, below `above` twips kept free at the top of the band. Nothing: the school's
// floor if it sets one, else the window's floor and the screen's cells again.
struct FixedFloor {
    int columns = 0;
    int rows = 0;
    double above = 0;
};
void fixfloor(const std::optional<FixedFloor>& floor);
// Twips kept free above the floor.
double spaceabove();

// Main-window twips of a cell's centre.
double centrex(double column);
double centrey(double row);
int homecolumn();
int homerow();

// Applies one command letter to the robot; no bounds check.
void docommand(const QString& letter);
// Puts the robot back on the edge square it tried to leave, edge by edge, calling offTheFloor
// for each edge crossed, and back from a lesson's obstacle likewise: the one boundary rule of
// the screen and of the printed replay.
void keepOnFloor(void (*offTheFloor)());
// Keeps the robot on the floor after a command, crashing when it tried to leave.
void checkcrash();
void crash();

void drawrobot();
void gohome();
void resetfloor();
void setuptrail();

}  // namespace Module2
