#pragma once

#include "platform/widgets.h"

// The listing window: the program as a column of words, under the exit button.
class ProgramWindow : public platform::Window {
  public:
    // The design: layout/program_window.cpp.
    ProgramWindow();

    platform::Control<platform::FlatButton> ExitButton;
    platform::Control<platform::SurfaceWidget> ProgramText;

    // Leaving: app/exit.cpp.
    void ExitButton_Click();
    // A close from outside (the desktop): true when the application ends, false when the
    // window stays and asks first.
    bool Form_QueryUnload();
};
