#include "runs/waypoint_run.hpp"

#include "app/program.hpp"

namespace tolv7 {

void rundeg(Program& p) { p.con.line(" rundeg is not built yet"); }

}  // namespace tolv7
