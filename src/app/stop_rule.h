#pragma once

// Every button first asks this: during a run, a press only stops the run. True when it
// did, and the button must then do nothing else.
bool stopsRun();
