#pragma once
// The flight menu: which kind of flight file to run.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

NextMenu menu_flight(const RunContext& p);

}  // namespace tolv7
