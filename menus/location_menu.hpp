#pragma once
// The location menu: the dose rate at one place or for a location list,
// editing a list, viewing a dose rate archive.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;
struct MenuState;

NextMenu menu_locations(const RunContext& p, MenuState& state);

}  // namespace tolv7
