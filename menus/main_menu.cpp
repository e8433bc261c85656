#include "menus/main_menu.hpp"

#include "app/console_routines.hpp"
#include "menus/menu_screen.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

NextMenu main_menu(const RunContext& p) {
    menu_screen(p, {"                 MAIN MENU                        ", " ",
                    "<1>  HELP file (Read me).                         ", " ",
                    // 51 characters: the screen cuts the final period.
                    "<2>  Galactic cosmic radiation received on flights.", " ",
                    "<3>  View, add, or change airport information.    ", " ",
                    "<4>  Galactic cosmic radiation at user-specified  ",
                    "     altitude and geographic coordinates.         ", " ",
                    "<5>  View or update heliocentric potentials,      ",
                    "     Kp indices, or Forbush effect data.          ", " ",
                    "<6>  Change output settings. View old results.    ", " ",
                    "<7>  Exit program.                                ", " "});
    p.con.line(menu_prompt("Type 1, 2, 3, 4, 5, 6, or 7 and press <ENTER> "));
    switch (menu_answer(p)) {
        case '1': showhelp(p); return NextMenu::Same;
        case '2': return NextMenu::Flight;
        case '3': return NextMenu::Airport;
        case '4': return NextMenu::Location;
        case '5': return NextMenu::SolarData;
        case '6': return NextMenu::Output;
        case '7':
        case 'Q': return NextMenu::Exit;
        default: return NextMenu::Same;
    }
}

}  // namespace tolv7
