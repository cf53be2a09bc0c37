#pragma once

#include <QString>
#include <cstdint>

// The program-wide state that every window reads and writes.
namespace variables {

// Booleans are 16-bit integers, -1 for true and 0 for false, and are only ever compared
// with those two values. Not named True and False: <X11/Xlib.h> defines those as macros.
using Boolean = std::int16_t;
inline constexpr Boolean yes = -1;
inline constexpr Boolean no = 0;

// Every shared variable with its value at process start. Adding one here is all it takes for
// start-up and the tests' fresh start to reset it too.
struct State {
    QString prog;

    std::int16_t xpos = 0;
    std::int16_t ypos = 0;
    std::int16_t oldx = 0;
    std::int16_t oldy = 0;
    std::int16_t heading = 0;
    std::int16_t targetx = 0;
    std::int16_t targety = 0;

    Boolean crashed = no;
    Boolean running = no;
    Boolean saved = no;

    QString author;
    QString programname;
    QString fileheader;

    // Floor limits in twips on the main window; the only shared values that may be fractional.
    double leftedge = 0;
    double rightedge = 0;
    double topedge = 0;
    double bottomedge = 0;

    // Start-up sizes in twips, from pixel counts and the screen's twips per pixel.
    std::int16_t buttonwidth = 0;
    std::int16_t buttonheight = 0;
    std::int16_t gapx = 0;
    std::int16_t gapy = 0;
    std::int16_t cellsize = 0;
};

extern State state;

// Sets every shared variable back to its value at process start.
void resetAll();

// The variables by their own names.
inline QString& prog = state.prog;
inline std::int16_t& xpos = state.xpos;
inline std::int16_t& ypos = state.ypos;
inline std::int16_t& oldx = state.oldx;
inline std::int16_t& oldy = state.oldy;
inline std::int16_t& heading = state.heading;
inline std::int16_t& targetx = state.targetx;
inline std::int16_t& targety = state.targety;
inline Boolean& crashed = state.crashed;
inline Boolean& running = state.running;
inline Boolean& saved = state.saved;
inline QString& author = state.author;
inline QString& programname = state.programname;
inline QString& fileheader = state.fileheader;
inline double& leftedge = state.leftedge;
inline double& rightedge = state.rightedge;
inline double& topedge = state.topedge;
inline double& bottomedge = state.bottomedge;
inline std::int16_t& buttonwidth = state.buttonwidth;
inline std::int16_t& buttonheight = state.buttonheight;
inline std::int16_t& gapx = state.gapx;
inline std::int16_t& gapy = state.gapy;
inline std::int16_t& cellsize = state.cellsize;

void setsizes();

// A whole number of twips as a 16-bit integer: nearest, halves to even, held in range.
std::int16_t toInteger(double value);

}  // namespace variables
