#pragma once
// The airport search dialogue behind items 1 to 3 of the airport menu.

namespace tolv7 {

struct Program;

// What the menu loop shows after the search dialogue.
enum class FindportNext {
    Caller,       // back to the airport menu's caller (a code was not found)
    AirportMenu,
    MainMenu,
};

// kind 1: the name index in the viewer, 2: the city index, 3: the report of
// a typed ICAO code; then the small sub-menu. Its exit item stops the
// program (status 0).
FindportNext findport(Program& p, int kind);

}  // namespace tolv7
