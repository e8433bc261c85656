#pragma once
// The program: it owns the settings and the records of every subsystem and
// hands each routine the narrow context of its own layer (the seams and
// settings alone, or those with the engine's, the airport database's or the
// runs' records).
#include <fstream>

#include "runs/run_context.hpp"

namespace tolv7 {

struct Program {
    Program(Console& console, Shell& sh, CheckLog& check_log) : con(console), shell(sh), log(check_log) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Console& con;
    Shell& shell;
    CheckLog& log;
    Settings set;
    std::ofstream debugger;  // DEBUGGER.DAT: kept open, nothing writes it
    EngineRecords engine;
    AirportRecords airports;
    RunRecords runs;

    operator AppContext() { return {con, shell, log, set}; }
    operator EngineContext() { return {{con, shell, log, set}, engine}; }
    operator AirportContext() { return {{con, shell, log, set}, airports}; }
    operator RunContext() { return {{con, shell, log, set}, engine, airports, runs}; }
};

}  // namespace tolv7
