#pragma once

#include <QString>

// `marlo --class [FOLDER]`: the teacher's view of a class, in place of the pupil's windows;
// and the other end of its "open in MARLO".
namespace classview {

// What --help says of --class.
QString optionHelp();

// Shows the class view of the folder (the programs folder when empty) until it is closed,
// and returns the application's exit code. The application object exists; MARLO's windows
// are never made.
int run(const QString& folder);

// Loads a program file named on the command line, through the load button as if it had been
// chosen in the dialogue. MARLO's windows are up.
void loadGivenProgram(const QString& path);

}  // namespace classview
