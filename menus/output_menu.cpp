#include "menus/output_menu.hpp"

#include "app/config.hpp"
#include "app/console_routines.hpp"
#include "menus/archive_picker.hpp"
#include "menus/menu_screen.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

NextMenu menu_output(const RunContext& p) {
    menu_screen(p, {"                OUTPUT MENU                       ", " ",
                    "<1>  Review/Edit the default settings in TOLV.INI.", " ",
                    "<2>  Review/Edit defaults specified for shell     ",
                    "     script use (i.e., batch mode) in DEFAULT.DAT.", " ",
                    "<3>  Review a city-pair flight dose (OUT) archive.", " ",
                    "<4>  Review a waypoint flight dose (SUM) archive. ", " ",
                    "<5>  Review a location dose rate (ANS) archive.   ", " ",
                    "<6>  Return to Main Menu.                         ", " ",
                    "<7>  Exit program.                                ", " "});
    // This prompt has no 10-blank indent of its own.
    p.con.line("     Type 1, 2, 3, 4, 5, 6, or 7 and press <ENTER> .");
    switch (menu_answer(p)) {
        case '1':
            // The edited settings count at once; the program stays in the
            // menus whatever MENUS now says.
            showpick(p, "TOLV.INI");
            getini(p);
            return NextMenu::Main;
        case '2': showpick(p, "DEFAULT.INP"); return NextMenu::Main;
        case '3': pickfromlist(p, "OUT"); return NextMenu::Main;
        case '4': pickfromlist(p, "SUM"); return NextMenu::Main;
        case '5': pickfromlist(p, "ANS"); return NextMenu::Main;
        case '6': return NextMenu::Main;
        case '7': return NextMenu::Exit;
        default: return NextMenu::Same;
    }
}

}  // namespace tolv7
