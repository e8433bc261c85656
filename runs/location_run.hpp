#pragma once
// The location list run: the dose rate at every place of a *.LOC list,
// archived in a result file of the same name with the extension .ANS.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

// Runs the list named in DEFAULT.INP in batch mode (MENUS "NO!"), else the
// list the user picks; returns which menu comes next.
NextMenu readit(const RunContext& p);

}  // namespace tolv7
