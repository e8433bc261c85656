#pragma once
// The location menu: the dose rate at one place or for a location list,
// editing a list, viewing a dose rate archive.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;
struct MenuState;

NextMenu menu_locations(Program& p, MenuState& state);

}  // namespace tolv7
