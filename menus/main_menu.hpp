#pragma once
// The menu loop and the main menu.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

// The interactive program: shows the main menu, then whatever each menu
// hands back, until an exit item. Returns normally at the exit, or stops
// there with status 2 when a save of the user airport file failed in the
// session; the end of keyboard input stops it (status 3).
void menu_main(const RunContext& p);

// The MAIN MENU: one screen, one answer, what comes next.
NextMenu main_menu(const RunContext& p);

}  // namespace tolv7
