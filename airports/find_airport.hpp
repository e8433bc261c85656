#pragma once
// The airport search dialogue behind items 1 to 3 of the airport menu.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct AirportContext;

// kind 1: the name index in the viewer, 2: the city index, 3: the report of
// a typed ICAO code; then the small sub-menu. Hands back what the menu loop
// shows next: the airport menu, the main menu (also the airport menu's
// caller, when a code was not found) or Exit for the sub-menu's exit item.
NextMenu findport(const AirportContext& p, int kind);

}  // namespace tolv7
