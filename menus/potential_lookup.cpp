#include "app/calendar.hpp"
#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
#include "runs/run_context.hpp"
#include "app/text_lines.hpp"
#include "engine/helio_potential.hpp"
#include "menus/menu_screen.hpp"
#include "menus/potential_menu.hpp"

namespace tolv7 {

namespace {

constexpr int kAnswerWidth = 10;  // the look-up reads one 10-column field

void show_lookup(const RunContext& p) {
    menuheader(p);
    menu_body(p, {"     VIEW HELIOCENTRIC POTENTIALS                 ", " ",
                  "     Enter a date as YYYY/MM/DD                   ",
                  "     (Enter YYYY/00 for a yearly average)         ",
                  "     (Enter YYYY/MM/00 for a monthly average)     ", " "});
    p.con.line(ListLine() << "                   -- OR --                             ");
    menu_body(p, {" ", "<1>  Return to Heliocentric Potential MENU.       ", " ",
                  "<2>  Return to Main Menu.                         ", " ",
                  "<3>  Exit program.                                ", " ", " "});
    p.con.line(menu_prompt("Type date, 1, 2, or 3 and press <ENTER> "));
}

}  // namespace

NextMenu viewhp(const RunContext& p) {
    cls(p);
    for (;;) {
        show_lookup(p);
        // The line exactly as typed, not upper-cased: its first 10 columns.
        std::string answer = pad_to(p.con.read_line().substr(0, kAnswerWidth), kAnswerWidth);
        std::string typed = trim_right(answer);
        if (typed.size() > 1) {
            // Split by position as the daily potential file's dates are; a
            // part that is not a number shows the screen again.
            auto date = date2ymd(answer);
            if (!date) continue;
            std::int32_t mv = date2hp(p, date->year, date->month, date->day);
            p.con.line(ListLine() << "           For YEAR:" << date->year << " MONTH:" << date->month
                                  << " and DAY:" << date->day);
            p.con.line(std::string(10, ' ') + "Heliocentric potential was: " + fmt_i(mv, 5) + " MV");
            oops(p, " ");
            return NextMenu::Potential;
        }
        switch (typed.empty() ? ' ' : typed[0]) {
            case '1': return NextMenu::Potential;
            case '2': return NextMenu::Main;
            case '3':
            case 'q':
            case 'Q': return NextMenu::Exit;
            default: break;  // the screen again, from the banner
        }
    }
}

}  // namespace tolv7
