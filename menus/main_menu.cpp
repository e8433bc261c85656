#include "menus/main_menu.hpp"

#include "app/program.hpp"

namespace tolv7 {

void menu_main(Program& p) { p.con.line(" menu_main is not built yet"); }

}  // namespace tolv7
