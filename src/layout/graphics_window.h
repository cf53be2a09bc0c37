#pragma once

#include "platform/widgets.h"

// The main window: the floor is drawn on its own surface, the robot P2 and the target marker
// move over it, and the names, file buttons and status label sit around it.
class GraphicsWindow : public platform::Window {
  public:
    // The design: layout/graphics_window.cpp.
    GraphicsWindow();

    platform::Control<platform::FittingLabel> warnings;
    platform::Control<platform::FlatButton> load;
    platform::Control<platform::FlatButton> PrintButton;
    platform::Control<platform::FlatButton> save;
    platform::Control<platform::SurfaceWidget> P2;
    platform::Control<platform::FittingLabel> pname;
    platform::Control<platform::FittingLabel> mname;
    platform::Control<platform::NameBox> progname;
    platform::Control<platform::NameBox> myname;
    platform::Control<platform::SurfaceWidget> target;
    platform::Control<platform::FlatButton> aim;

    // Load handler: starts the whole application. Start-up and the name boxes: app/startup.cpp.
    void Form_Load();
    void startup();
    void draweverything();
    void newprog();

    // Layouts of the three windows: layout/drawbuttons.cpp, drawprogram.cpp, drawmybits.cpp.
    void drawbuttons();
    void drawprogram();
    void drawmybits();

    // The floor, drawn on this window's surface: app/floor.cpp.
    void findlimits();
    void drawboundary();
    void drawgrid();

    // The target challenge: app/target.cpp.
    void aim_Click();
    void target_Click();
    void randomtarget();
    void showtarget();
    void HideTarget();

    // Program files: files/save_load.cpp.
    void save_Click();
    void load_Click();
    void loadprogram();

    // The printed report: printing/print_button.cpp.
    void PrintButton_Click();

    void myname_Change();
    void progname_Change();

    // A close from outside, as the listing's: app/exit.cpp.
    bool Form_QueryUnload();
};
