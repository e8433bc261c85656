#pragma once
// The heliocentric potential menu, its look-up screen, and the two items
// that open a potential file for a new value.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

NextMenu menu_potentials(Program& p);

// The look-up screen: a typed date's potential, or a way out.
NextMenu viewhp(Program& p);

// Instructions, then the monthly table SOLARMOD/MV-DATES.L99 in the viewer.
// A value added there counts from the next start of the program.
void add2l99(Program& p);

// Instructions, then the daily file SOLARMOD/MORDATES.2K in the viewer. A
// value added there counts at the next look-up.
void addadaily(Program& p);

}  // namespace tolv7
