#include "menus/airport_menu.hpp"

#include <string>

#include "airports/airport_entry.hpp"
#include "airports/code_file.hpp"
#include "airports/find_airport.hpp"
#include "app/console_routines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

constexpr int kTextWidth = 50;

void show_menu(const RunContext& p) {
    cls(p);
    menuheader(p);
    p.con.line(indented("                AIRPORT MENU                      ", kTextWidth));
    for (const char* item : {"<1>  Find an airport by airport name.             ",
                             "<2>  Find airport by city.                        ",
                             "<3>  Find airport by code.                        ",
                             "<4>  Add new airport or replace existing airport. ",
                             "<5>  Associate a non-ICAO code with an airport.   ",
                             "<6>  Return to Main Menu.                         "}) {
        p.con.line(indented(item, kTextWidth));
        p.con.line("");
    }
    p.con.line(indented("<7>  Exit program.                                ", kTextWidth));
    p.con.blank_lines(3);
    p.con.line(std::string(10, ' ') + "Type 1, 2, 3, 4, 5, 6, or 7 and press <ENTER> " + ".");
}

}  // namespace

NextMenu menu_airport(const RunContext& p) {
    std::string answer;
    do {
        show_menu(p);
        answer = readkb(p, 1);
    } while (answer.size() != 1 || answer[0] < '1' || answer[0] > '7');

    switch (answer[0]) {
        case '1': return findport(p, 1);
        case '2': return findport(p, 2);
        case '3': return findport(p, 3);
        case '4': return addaport(p);
        case '5': addacode(p); return NextMenu::Main;
        case '6': return NextMenu::Main;
        default: return NextMenu::Exit;
    }
}

}  // namespace tolv7
