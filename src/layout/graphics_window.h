#pragma once

#include "platform/widgets.h"

// The main window: the floor is drawn on its own surface, the robot P2 and the target marker
// move over it, and the names, file buttons and status label sit around it.
class GraphicsWindow : public platform::Window {
  public:
    GraphicsWindow();

    platform::Control<platform::FlatLabel> warnings;
    platform::Control<platform::FlatButton> load;
    platform::Control<platform::FlatButton> PrintButton;
    platform::Control<platform::FlatButton> save;
    platform::Control<platform::SurfaceWidget> P2;
    platform::Control<platform::FlatLabel> pname;
    platform::Control<platform::FlatLabel> mname;
    platform::Control<platform::NameBox> progname;
    platform::Control<platform::NameBox> myname;
    platform::Control<platform::SurfaceWidget> target;
    platform::Control<platform::FlatButton> aim;

    // Load handler: starts the whole application.
    void Form_Load();
    void startup();
    void draweverything();
    void newprog();

    // Layouts of the three windows.
    void drawbuttons();
    void drawprogram();
    void drawmybits();

    // The floor, drawn on this window's surface.
    void findlimits();
    void drawboundary();
    void drawgrid();

    // The target challenge.
    void aim_Click();
    void target_Click();
    void randomtarget();
    void showtarget();
    void HideTarget();

    // Program files.
    void save_Click();
    void load_Click();
    void loadprogram();

    void PrintButton_Click();

    void myname_Change();
    void progname_Change();
};
