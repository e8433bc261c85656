#pragma once
// The heliocentric potential menu, its look-up screen, and the two items
// that open a potential file for a new value.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

NextMenu menu_potentials(const RunContext& p);

// The look-up screen: a typed date's potential, or a way out.
NextMenu viewhp(const RunContext& p);

// Instructions, then the monthly table SOLARMOD/MV-DATES.L99 in the viewer.
// A value added there counts from the next start of the program.
void add2l99(const RunContext& p);

// Instructions, then the daily file SOLARMOD/MORDATES.2K in the viewer. A
// value added there counts at the next look-up.
void addadaily(const RunContext& p);

}  // namespace tolv7
