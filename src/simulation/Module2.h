#pragma once

// Floor geometry, robot moves, the crash check, the robot picture and the floor reset.
namespace Module2 {

void gohome();
void resetfloor();

}  // namespace Module2
