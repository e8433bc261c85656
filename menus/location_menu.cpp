#include "menus/location_menu.hpp"

#include "app/console_routines.hpp"
#include "app/file_picker.hpp"
#include "app/fortran_format.hpp"
#include "menus/archive_picker.hpp"
#include "menus/menu_screen.hpp"
#include "menus/menu_state.hpp"
#include "runs/location_run.hpp"
#include "runs/run_context.hpp"
#include "runs/single_place.hpp"

namespace tolv7 {

namespace {

// Item 3: pick a location list (the last pick is kept when none exists) and
// open it in the editor; Q in the picker leaves for the main menu.
NextMenu edit_location_list(const RunContext& p, MenuState& state) {
    p.log.line(ListLine() << "CALLING NEWLOCS");
    PickOutcome picked = pick_infile(p, "LOC");
    if (picked.result == PickResult::MainMenu) return NextMenu::Main;
    if (picked.result == PickResult::Picked) state.location_file = picked.name;
    showpick(p, state.location_file);
    return NextMenu::Same;
}

}  // namespace

NextMenu menu_locations(const RunContext& p, MenuState& state) {
    menu_screen(p, {"               LOCATION MENU                      ", " ",
                    "<1>  Calculate the dose rate at a single location.", " ",
                    "<2>  Calculate dose rates for locations in a      ",
                    "     locations file (*.LOC).                      ", " ",
                    "<3>  Open a location file (*.LOC).                ",
                    "     (uses the default text editor)               ", " ",
                    "<4>  Open a dose rate archive file (*.ANS).       ", " ",
                    "<5>  Open the HELP file.                          ", " ",
                    "<6>  Return to Main Menu.                         ", " ",
                    "<7>  Exit program.                                ", ""});
    p.con.line(menu_prompt("Type 1, 2, 3, 4, 5, 6, or 7 and press <ENTER> "));
    switch (menu_answer(p)) {
        case '1': onespot(p); return NextMenu::Main;
        case '2':
            p.log.line(ListLine() << "CALLING READIT");
            readit(p);
            return NextMenu::Main;
        case '3': return edit_location_list(p, state);
        case '4': pickfromlist(p, "ANS"); return NextMenu::Main;
        case '5': showhelp(p); return NextMenu::Main;
        case '6': return NextMenu::Main;
        case '7': return NextMenu::Exit;
        default: return NextMenu::Same;  // letters have no meaning here
    }
}

}  // namespace tolv7
