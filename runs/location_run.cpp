#include "runs/location_run.hpp"

#include "app/program.hpp"

namespace tolv7 {

void readit(Program& p) { p.con.line(" readit is not built yet"); }

}  // namespace tolv7
