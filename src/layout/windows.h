#pragma once

#include "layout/buttons_window.h"
#include "layout/graphics_window.h"
#include "layout/program_window.h"
#include "layout/query_exit_window.h"

// The four windows. Each exists once; the first reference creates it and runs its load
// handler.
GraphicsWindow& graphics();
ButtonsWindow& buttons();
ProgramWindow& program();
QueryExitWindow& QueryExit();

// Destroys all four, for a clean end of the event loop and between tests.
void unloadWindows();
