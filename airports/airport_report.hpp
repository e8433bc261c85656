#pragma once
// The report of one airport, found by ICAO code, shown in the viewer.
#include <string>

#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

// Airport when the airport was found and its report shown (the airport menu
// comes next), Same when it was not found (the caller decides).
NextMenu rep_by_icao(Program& p, const std::string& code);

}  // namespace tolv7
