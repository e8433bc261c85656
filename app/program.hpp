#pragma once
// The program context: the console, shell and check-log seams and the shared
// records of every subsystem, reached through one object.
#include <fstream>

#include "airports/airport_records.hpp"
#include "app/check_log.hpp"
#include "app/console.hpp"
#include "app/settings.hpp"
#include "app/shell.hpp"
#include "engine/engine_records.hpp"
#include "runs/run_records.hpp"

namespace tolv7 {

// Files that start-up opens and that stay open for the whole run.
struct OpenFiles {
    std::ofstream debugger;   // DEBUGGER.DAT: kept open, nothing writes it
    std::ifstream airports;   // AIRPORTS/AIRPORTS.DAT
    std::ifstream mv_dates;   // SOLARMOD/MV-DATES.L99
    std::ifstream codes;      // AIRPORTS/CODES
    std::ifstream mordates;   // SOLARMOD/MORDATES.2K
    std::ifstream newports;   // AIRPORTS/NEWPORTS.DAT
};

struct Program {
    Program(Console& console, Shell& sh, CheckLog& check_log) : con(console), shell(sh), log(check_log) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Console& con;
    Shell& shell;
    CheckLog& log;
    Settings set;
    OpenFiles files;
    EngineRecords engine;
    AirportRecords airports;
    RunRecords runs;
};

}  // namespace tolv7
