#include "menus/potential_menu.hpp"

#include "menus/menu_screen.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

NextMenu menu_potentials(const RunContext& p) {
    menu_screen(p, {"     HELIOCENTRIC POTENTIAL MENU                  ", " ",
                    "<1>  Look up the potential for a date.            ", " ",
                    "<2>  Add a potential to the monthly database.     ", " ",
                    "<3>  Add a potential for a specific day or a      ",
                    "     temporary value for a past potential.        ", " ",
                    "<4>  Return to Main Menu.                         ", " ",
                    "<5>  Exit program.                                ", " ", " ", " ", " "});
    // The prompt names a sixth answer that the menu does not have.
    p.con.line(menu_prompt("Type 1, 2, 3, 4, 5, or 6 and press <ENTER> "));
    switch (menu_answer(p)) {
        case '1': return NextMenu::LookUp;
        case '2': add2l99(p); return NextMenu::Main;
        case '3': addadaily(p); return NextMenu::Main;
        case '4': return NextMenu::Main;
        case '5':
        case 'Q': return NextMenu::Exit;
        default: return NextMenu::Same;
    }
}

}  // namespace tolv7
