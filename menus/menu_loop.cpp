#include "runs/run_context.hpp"
#include "app/console_routines.hpp"
#include "app/program_stop.hpp"
#include "menus/airport_menu.hpp"
#include "menus/flight_menu.hpp"
#include "menus/location_menu.hpp"
#include "menus/main_menu.hpp"
#include "menus/menu_state.hpp"
#include "menus/output_menu.hpp"
#include "menus/potential_menu.hpp"
#include "menus/solar_menu.hpp"

namespace tolv7 {

namespace {

NextMenu show_menu(const RunContext& p, NextMenu menu, MenuState& state) {
    switch (menu) {
        case NextMenu::Flight: return menu_flight(p);
        case NextMenu::Location: return menu_locations(p, state);
        case NextMenu::Airport: return menu_airport(p);
        case NextMenu::SolarData: return menu_solarmod(p);
        case NextMenu::Potential: return menu_potentials(p);
        case NextMenu::LookUp: return viewhp(p);
        case NextMenu::Output: return menu_output(p);
        default: return main_menu(p);
    }
}

}  // namespace

// Every menu returns what comes next to this one loop, so going back and
// forth between menus never nests a call. A save that failed on the way
// (shown when it failed) makes the end a stop with status 2.
void menu_main(const RunContext& p) {
    MenuState state;
    NextMenu current = NextMenu::Main;
    for (;;) {
        NextMenu next = show_menu(p, current, state);
        // A run that left items out says so before the next menu.
        if (p.runs.skips.any()) {
            show_paragraph(p, p.runs.skips.summary());
            pause_for_key(p);
        }
        p.runs.skips.clear();
        if (next == NextMenu::Exit) {
            if (!p.airports.failed_save.empty()) throw ProgramStop(kExitFileError, p.airports.failed_save);
            return;
        }
        if (next != NextMenu::Same) current = next;
    }
}

}  // namespace tolv7
