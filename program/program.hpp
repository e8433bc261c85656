#pragma once
// The program: it owns the settings and the records of every subsystem and
// hands each routine the narrow context of its own layer (the seams and
// settings alone, or those with the engine's, the airport database's or the
// runs' records).
#include <fstream>

#include "program/log_keeping_shell.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

// The console and the shell that the program hands its routines (through
// the contexts) put the check log on disk whenever the program is about to
// wait for the user: before each keyboard read (answers, pauses) and each
// shell command (viewer, editor, listing). Lines written between waits stay
// buffered, so a batch run costs no flush per line.
struct Program {
    Program(Console& console, Shell& sh, CheckLog& check_log)
        : con(console), shell(sh), log(check_log), log_keeping_shell(sh, check_log) {
        con.before_each_read([&check_log] { check_log.flush(); });
    }
    ~Program() { con.before_each_read(nullptr); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Console& con;
    Shell& shell;  // the shell seam the program was given
    CheckLog& log;
    LogKeepingShell log_keeping_shell;  // that seam as the routines get it
    Settings set;
    std::ofstream debugger;  // DEBUGGER.DAT: kept open, nothing writes it
    EngineRecords engine;
    AirportRecords airports;
    RunRecords runs;

    AppContext app() { return {con, log_keeping_shell, log, set}; }
    operator AppContext() { return app(); }
    operator EngineContext() { return {app(), engine}; }
    operator AirportContext() { return {app(), airports}; }
    operator RunContext() { return {app(), engine, airports, runs}; }
};

}  // namespace tolv7
