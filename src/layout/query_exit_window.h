#pragma once

#include "platform/widgets.h"

// Asks before leaving with an unsaved program.
class QueryExitWindow : public platform::Window {
  public:
    QueryExitWindow();

    platform::Control<platform::FlatButton> anyway;
    platform::Control<platform::FlatButton> cancel;
    platform::Control<platform::FlatLabel> message;

    // Load handler: stacks the three controls and fits the window around them.
    void Form_Load();
    void cancel_Click();
    void anyway_Click();
};
