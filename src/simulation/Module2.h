#pragma once

#include <QString>

// The robot on the floor: grid geometry, moves, the crash check, the sprite and the reset.
namespace Module2 {

// Floor size in whole cells, from the main window as it is now.
int columncount();
int rowcount();
// Main-window twips of a cell's centre.
double centrex(double column);
double centrey(double row);
int homecolumn();
int homerow();

// Applies one command letter to the robot; no bounds check.
void docommand(const QString& letter);
// Puts the robot back on the edge square it tried to leave, edge by edge, calling offTheFloor
// for each edge crossed: the one boundary rule of the screen and of the printed replay.
void keepOnFloor(void (*offTheFloor)());
// Keeps the robot on the floor after a command, crashing when it tried to leave.
void checkcrash();
void crash();

void drawrobot();
void gohome();
void resetfloor();
void setuptrail();

}  // namespace Module2
