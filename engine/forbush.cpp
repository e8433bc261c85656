#include "engine/forbush.hpp"

#include "app/program.hpp"

namespace tolv7 {

void loadforbush(Program& p) { p.con.line(" loadforbush is not built yet"); }

}  // namespace tolv7
