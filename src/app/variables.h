#pragma once

#include <QString>
#include <cstdint>

// The program-wide state that every window reads and writes.
namespace variables {

// Booleans are 16-bit integers, -1 for true and 0 for false, and are only ever compared
// with those two values.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

extern QString prog;

extern std::int16_t xpos;
extern std::int16_t ypos;
extern std::int16_t oldx;
extern std::int16_t oldy;
extern std::int16_t heading;
extern std::int16_t targetx;
extern std::int16_t targety;

extern Boolean crashed;
extern Boolean running;
extern Boolean saved;

extern QString author;
extern QString programname;
extern QString fileheader;

// Floor limits in twips on the main window; the only shared values that may be fractional.
extern double leftedge;
extern double rightedge;
extern double topedge;
extern double bottomedge;

// Start-up sizes in twips, from pixel counts and the screen's twips per pixel.
extern std::int16_t buttonwidth;
extern std::int16_t buttonheight;
extern std::int16_t gapx;
extern std::int16_t gapy;
extern std::int16_t cellsize;

void setsizes();

// A whole number of twips as a 16-bit integer: nearest, halves to even, held in range.
std::int16_t toInteger(double value);

}  // namespace variables
