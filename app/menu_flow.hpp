#pragma once
// What a menu item, run or picker hands back to the menu loop: the menus do
// not call each other; one loop shows whatever comes next.

namespace tolv7 {

enum class NextMenu {
    Same,  // back to the menu that started the item
    Main,  // the main menu (a picker's quit answer)
    Exit,  // the program ends normally
};

}  // namespace tolv7
