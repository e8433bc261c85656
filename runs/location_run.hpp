#pragma once
// The location list run: the dose rate at every place of a *.LOC list,
// archived in a result file of the same name with the extension .ANS.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

// Runs the list named in DEFAULT.INP in batch mode (MENUS "NO!"), else the
// list the user picks; returns which menu comes next. A place whose altitude
// the engine cannot take (engine_takes), or whose airport is not found, is
// an improper line like one that cannot be read: reported in the check log
// and the result file, and the list goes on. The list is a group of
// p.runs.skips: each place line (place_line) is counted as computed or as
// left out with its reason, and one left out is named on the console.
NextMenu readit(const RunContext& p);

}  // namespace tolv7
