#pragma once
// What a menu item, run or picker hands back to the menu loop: the menus do
// not call each other; one loop shows whatever comes next.

namespace tolv7 {

enum class NextMenu {
    Same,       // back to the menu that started the item
    Main,       // the main menu (also a picker's quit answer)
    Flight,     // the flight menu
    Location,   // the location menu
    Airport,    // the airport menu
    SolarData,  // the solar data menu
    Potential,  // the heliocentric potential menu
    LookUp,     // the potential look-up screen
    Output,     // the output menu
    Exit,       // the program ends normally
};

}  // namespace tolv7
