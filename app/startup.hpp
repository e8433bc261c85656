#pragma once
// The program's start-up: configuration, fixed data files, check log, index
// files, model tables, then one batch run or the menus.

namespace tolv7 {

struct Program;

// Steps up to the loaded tables (configuration to the potential table).
void start_up(Program& p);

// Start-up followed by the batch run or the main menu; returns when the run
// or the menus end normally.
void run_tolv7(Program& p);

}  // namespace tolv7
