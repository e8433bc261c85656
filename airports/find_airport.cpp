#include "airports/find_airport.hpp"

#include "airports/airport_context.hpp"
#include "airports/airport_report.hpp"
#include "app/console_routines.hpp"

namespace tolv7 {

namespace {

void show_sub_menu(const AirportContext& p) {
    p.con.blank_lines(5);
    for (const char* item : {"<1>  Enter an ICAO code to view a full report.    ",
                             "<2>  Return to Airport Menu.                      ",
                             "<3>  Return to Main Menu.                         ",
                             "<4>  Exit the program.                            "}) {
        p.con.line(indented(item, 50));
        p.con.line("");
    }
    p.con.blank_lines(3);
    p.con.line(std::string(10, ' '));
    p.con.line("");
    p.con.line("Type 1, 2, 3, or 4 and press <ENTER> .");
}

}  // namespace

NextMenu findport(const AirportContext& p, int kind) {
    cls(p);
    menuheader(p);
    if (kind == 1) {
        showpick(p, "AIRPORTS/PORT.NDX");
    } else if (kind == 2) {
        showpick(p, "AIRPORTS/CITY.NDX");
    } else if (kind == 3) {
        p.con.blank_lines(16);
        p.con.line("         Please enter an ICAO code ");
        if (rep_by_icao(p, readkb(p, 6)) == NextMenu::Airport) return NextMenu::Airport;
    }

    show_sub_menu(p);
    std::string answer;
    do {
        answer = readkb(p, 1);
    } while (answer != "1" && answer != "2" && answer != "3" && answer != "4");

    if (answer == "1") {
        cls(p);
        menuheader(p);
        p.con.line("");
        p.con.line("          Enter an ICAO code to view a full report.  ");
        return rep_by_icao(p, readkb(p, 6)) == NextMenu::Airport ? NextMenu::Airport : NextMenu::Main;
    }
    if (answer == "2") return NextMenu::Airport;
    if (answer == "3") return NextMenu::Main;
    return NextMenu::Exit;
}

}  // namespace tolv7
