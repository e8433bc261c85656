#pragma once
// The location list run: the dose rate at every place of a *.LOC list,
// archived in a result file of the same name with the extension .ANS.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

// Runs the list named in DEFAULT.INP in batch mode (MENUS "NO!"), else the
// list the user picks; returns which menu comes next. A place whose altitude
// the engine cannot take (engine_takes) is an improper line like one that
// cannot be read: reported in the check log and the result file, and the
// list goes on.
NextMenu readit(const RunContext& p);

}  // namespace tolv7
