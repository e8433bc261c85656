#pragma once
// The flight menu: which kind of flight file to run.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

NextMenu menu_flight(Program& p);

}  // namespace tolv7
