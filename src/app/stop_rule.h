#pragma once

// Every button first asks this: during a run, a press only stops the run. True when it
// did, and the button must then do nothing else.
bool stopsRun();

// The same for Go, which also starts the runs. A small hand double-clicks: a second press
// within the desktop's double-click interval of the press that started the run is part of
// that press and does nothing. True when Go must do nothing else.
bool goStopsRun();
