#include "layout/windows.h"

// The listing is drawn by the program listing change; until then there is nothing to redraw.
void ButtonsWindow::printprog() {}
