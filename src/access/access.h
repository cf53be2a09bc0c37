#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class QCommandLineParser;
class QKeyEvent;

// Ours, beyond the program a pupil meets with nothing set: aids for every pupil (one step at a
// time, undo, looking back over the listing), the floor and listing for screen readers, and
// the options high contrast, switch scanning and the step button. Not `access`: that is
// POSIX's access().
namespace a11y {

// The texts of the aids, under one context for the translators.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(a11y)
};

// Set once at start-up, from the command line or the school's settings. Nothing set is the
// program as designed.
struct Options {
    bool highContrast = false;
    // The keypad's buttons are highlighted in turn and a switch presses the highlighted one.
    bool scan = false;
    // With scan: one switch moves the highlight, the other presses; no timer.
    bool twoSwitches = false;
    double scanSeconds = 1.5;
    // A keypad button for one step at a time, in the empty top right corner.
    bool stepButton = false;

    bool operator==(const Options&) const = default;
};

const Options& options();
void setOptions(const Options& chosen);

// The options on the command line: the constructor offers them to the parser, read() adds
// what was given to the school's options once the parser has processed it, or says what is
// wrong.
class CommandLine {
  public:
    explicit CommandLine(QCommandLineParser& parser);
    std::optional<Options> read(QString& problem, Options given = {}) const;

  private:
    QCommandLineParser& parser_;
};

// Where the aids join the program. Each is called from one place, named beside it.

// Once, when the three windows are shown (GraphicsWindow::Form_Load).
void attach();
// What a key does when it is one of the aids' keys, else nothing (ButtonsWindow::eventFilter).
std::function<void()> keyAid(const QKeyEvent& press);
// Stepping, a run's wait lasts until the next step is asked for (ButtonsWindow::delay).
bool isStepping();
void waitForStep();
// The rows the listing is about to show, moved when looking back; the listing as text for
// screen readers (ButtonsWindow::doprintprog).
void listingRows(int highlight, int& firstline, int& lastline);
// The robot was drawn (Module2::drawrobot).
void floorChanged();
// A message went up in the status label (showStatus).
void statusShown();

}  // namespace a11y
