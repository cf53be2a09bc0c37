#pragma once

#include "platform/widgets.h"

// The listing window: the program as a column of words, under the exit button.
class ProgramWindow : public platform::Window {
  public:
    ProgramWindow();

    platform::Control<platform::FlatButton> ExitButton;
    platform::Control<platform::SurfaceWidget> ProgramText;

    void ExitButton_Click();
};
