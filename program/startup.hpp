#pragma once
// The program's start-up: configuration, fixed data files, check log, index
// files, model tables, then one batch run or the menus.

namespace tolv7 {

struct Program;

// The first steps of start-up: configuration, the files held open for the
// whole run, the check log.
void open_program_files(Program& p);

// Steps up to the loaded tables (configuration to the potential table).
void start_up(Program& p);

// The run that DEFAULT.INP names, after start-up, in batch mode.
void run_batch(Program& p);

// Start-up followed by the batch run or the main menu; returns when the run
// or the menus end normally.
void run_tolv7(Program& p);

}  // namespace tolv7
