#include "menus/flight_menu.hpp"

#include "menus/menu_screen.hpp"
#include "runs/city_pair_run.hpp"
#include "runs/run_context.hpp"
#include "runs/waypoint_run.hpp"

namespace tolv7 {

NextMenu menu_flight(const RunContext& p) {
    menu_screen(p, {"                FLIGHT MENU                       ", " ",
                    "Indicate which kind of flight data you are using. ", " ",
                    "<1>  Flight path(s) nearly geodesic (i.e., great  ",
                    "     circle) route(s) between airports.           ",
                    "     (city-pair flight files, *.BIG)              ", " ",
                    "<2>  Flight path(s) defined by many waypoints     ",
                    "     (waypoint flight files, *.DEG)               ", " ",
                    "<3>  Return to Main Menu.                         ", " ",
                    "<4>  Exit program.                                ", " ", " ", " "});
    p.con.line(menu_prompt("Type 1, 2, 3, or 4 and press <ENTER> "));
    // Letters have no meaning here; whatever a run hands back, the main menu
    // follows it.
    switch (menu_answer(p)) {
        case '1': runbig(p); return NextMenu::Main;
        case '2': rundeg(p); return NextMenu::Main;
        case '3': return NextMenu::Main;
        case '4': return NextMenu::Exit;
        default: return NextMenu::Same;
    }
}

}  // namespace tolv7
