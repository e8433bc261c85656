#include "program/startup.hpp"

#include "airports/index_files.hpp"
#include "app/batch_control.hpp"
#include "app/config.hpp"
#include "app/program_stop.hpp"
#include "engine/forbush.hpp"
#include "engine/helio_potential.hpp"
#include "engine/shower_library.hpp"
#include "menus/main_menu.hpp"
#include "program/program.hpp"
#include "runs/city_pair_run.hpp"
#include "runs/location_run.hpp"
#include "runs/waypoint_run.hpp"

namespace tolv7 {

void run_batch(Program& p) {
    BatchControl bc = read_default_inp();
    switch (run_type(bc.name)) {
        case RunType::CityPair: runbig(p); break;
        case RunType::Waypoint: rundeg(p); break;
        case RunType::LocationList: readit(p); break;
    }
    // A run that finished but left items out has not done all it was asked.
    if (p.runs.skips.any()) throw ProgramStop(kExitSkipped, p.runs.skips.summary());
}

void open_program_files(Program& p) {
    getini(p);
    const InitRecord& init = p.set.init;
    p.debugger = open_created("DEBUGGER.DAT", std::ios::out | std::ios::app);
    p.airports.airports_file = open_existing(os_path(init, "AIRPORTS", "AIRPORTS.DAT"));
    // The two potential files must exist at start-up, but are held by no
    // one: the monthly table is read once at the end of start-up, the daily
    // file at each look-up, each closed when read.
    open_existing(os_path(init, "SOLARMOD", "MV-DATES.L99"));
    p.airports.codes_file = open_existing(os_path(init, "AIRPORTS", "CODES"));
    open_existing(os_path(init, "SOLARMOD", "MORDATES.2K"));
    p.airports.newports_file = open_existing(os_path(init, "AIRPORTS", "NEWPORTS.DAT"));
    p.log.open(os_path(init, "DIAGNOSE", "TOLV7CHK.DAT"));
}

void start_up(Program& p) {
    open_program_files(p);
    make_ndx(p, 91, 7000);
    loadftdccs(p);
    loadforbush(p);
    load_hp(p);
}

void run_tolv7(Program& p) {
    start_up(p);
    if (batch_mode(p.set.init)) {
        run_batch(p);
        p.log.flush();  // a log that could not be written is no normal end
    } else {
        menu_main(p);
    }
}

}  // namespace tolv7
