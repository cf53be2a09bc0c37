#include "layout/windows.h"

// The floor arrives with the floor and robot change.
void GraphicsWindow::findlimits() {}
void GraphicsWindow::drawboundary() {}
void GraphicsWindow::drawgrid() {}
