#pragma once
// The city-pair flight run.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

// Runs in batch mode (MENUS "NO!") from DEFAULT.INP, else from the menus;
// returns which menu comes next.
NextMenu runbig(Program& p);

}  // namespace tolv7
