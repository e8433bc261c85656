#pragma once
// The main menu.

namespace tolv7 {

struct Program;

void menu_main(Program& p);

}  // namespace tolv7
