#pragma once

#include "platform/widgets.h"

// Asks before leaving with an unsaved program.
class QueryExitWindow : public platform::Window {
  public:
    // The design: layout/query_exit_window.cpp.
    QueryExitWindow();

    platform::Control<platform::FlatButton> anyway;
    platform::Control<platform::FlatButton> cancel;
    platform::Control<platform::FittingLabel> message;

    // Load handler: stacks the three controls and fits the window around them. It and the two
    // buttons' handlers: app/exit.cpp.
    void Form_Load();
    void cancel_Click();
    void anyway_Click();
};
