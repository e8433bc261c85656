#pragma once
// The waypoint flight run: one *.DEG file, or every such file, each into a
// summary (.SUM) and a minute-by-minute archive (.DAT) named after it.
#include <string>

#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

// Runs in batch mode (MENUS "NO!") from DEFAULT.INP, else from the menus;
// returns which menu comes next.
NextMenu rundeg(const RunContext& p);

// The model line of both archives: GCR model, transport and cutoff mode,
// superposition switch.
std::string waypoint_model_line(const RunContext& p);

// The total line: the dose in E11.4, the particle name and the dose label.
std::string waypoint_total_line(double total, int particle, int quantity);

}  // namespace tolv7
