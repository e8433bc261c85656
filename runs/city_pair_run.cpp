#include "runs/city_pair_run.hpp"

#include "app/program.hpp"

namespace tolv7 {

void runbig(Program& p) { p.con.line(" runbig is not built yet"); }

}  // namespace tolv7
