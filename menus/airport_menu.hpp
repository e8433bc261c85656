#pragma once
// The airport menu.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

NextMenu menu_airport(Program& p);

}  // namespace tolv7
