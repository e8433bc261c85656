#pragma once
// The AIRPORT MENU, reached from item 3 of the main menu.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

// Shows the menu until an answer 1 to 7 is typed and runs the item: the
// airport search (1-3), the entry form (4), the code file (5, then the main
// menu), the main menu (6) or the end of the program (7). Hands back what
// the menu loop shows next.
NextMenu menu_airport(const RunContext& p);

}  // namespace tolv7
