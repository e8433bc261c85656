#pragma once
// The location list run.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

// Runs in batch mode (MENUS "NO!") from DEFAULT.INP, else from the menus;
// returns which menu comes next.
NextMenu readit(Program& p);

}  // namespace tolv7
