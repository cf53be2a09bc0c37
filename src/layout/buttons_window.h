#pragma once

#include <QTimer>

#include "platform/widgets.h"

// The keypad window: seven picture buttons on a grey panel, and the application's one timer.
class ButtonsWindow : public platform::Window {
  public:
    ButtonsWindow();

    platform::Control<platform::SurfaceWidget> Picture1;
    platform::Control<platform::FlatButton> forwards;
    platform::Control<platform::FlatButton> LeftTurn;
    platform::Control<platform::FlatButton> pause;
    platform::Control<platform::FlatButton> RightTurn;
    platform::Control<platform::FlatButton> clear;
    platform::Control<platform::FlatButton> backwards;
    platform::Control<platform::FlatButton> go;
    QTimer Timer1;

    // Redraws the listing with no command marked.
    void printprog();
};
