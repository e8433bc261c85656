#pragma once
// The city-pair flight run: every flight of one *.BIG file, or of every
// such file, into a result file named after it (.OUT) and the cumulative
// report TOLV-7.RPT.
#include <string>

#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;
struct BigFlightRecord;

// Runs in batch mode (MENUS "NO!") from DEFAULT.INP, else from the menus;
// returns which menu comes next.
NextMenu runbig(const RunContext& p);

// The 110-column result line of a computed flight.
std::string big_result_line(const BigFlightRecord& r, double dose, int particle, int quantity);

}  // namespace tolv7
