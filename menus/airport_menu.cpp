#include "menus/airport_menu.hpp"

namespace tolv7 {

// Not built yet: back to the main menu.
NextMenu menu_airport(Program&) { return NextMenu::Main; }

}  // namespace tolv7
