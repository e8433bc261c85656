#include "engine/helio_potential.hpp"

#include "app/program.hpp"

namespace tolv7 {

void load_hp(Program& p) { p.con.line(" load_hp is not built yet"); }

}  // namespace tolv7
