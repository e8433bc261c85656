#include "menus/solar_menu.hpp"

#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
#include "engine/forbush.hpp"
#include "menus/menu_screen.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

// The Forbush file in the editor, then the table loaded again at once (its
// loader holds no handle on the file).
void edit_forbush(const RunContext& p) {
    cls(p);
    showpick(p, "FORBUSH/FORBUSH.DAT");
    p.con.line(ListLine() << "Press any character and then <Enter>");
    readkb(p, 1);
    loadforbush(p);
}

// The Kp file in the editor; the next dose point reads it again, even when
// the edit kept its size and time stamp.
void edit_kp(const RunContext& p) {
    cls(p);
    showpick(p, "KP_INDEX/KP_INDEX.TXT");
    p.engine.kp_index.loaded = false;
}

}  // namespace

NextMenu menu_solarmod(const RunContext& p) {
    menu_screen(p, {"           SOLAR DATA MENU                        ", " ",
                    "<1>  View/modify heliocentric potential data.     ", " ",
                    "<2>  View/modify Forbush effect data.             ", " ",
                    "<3>  View/modify Kp index data.                   ", " ",
                    "<4>  Return to Main Menu.                         ", " ",
                    "<5>  Exit program.                                ", "", "", "", "", ""});
    p.con.line(menu_prompt("Type 1, 2, 3, 4, or 5 and press <ENTER> "));
    switch (menu_answer(p)) {
        case '1': return NextMenu::Potential;
        case '2': edit_forbush(p); return NextMenu::Main;
        case '3': edit_kp(p); return NextMenu::Main;
        case '4':
        case 'Q': return NextMenu::Main;
        case '5': return NextMenu::Exit;
        default: return NextMenu::Same;
    }
}

}  // namespace tolv7
