#include "airports/index_files.hpp"

#include "app/program.hpp"

namespace tolv7 {

void make_ndx(Program& p, int, int) { p.con.line(" make_ndx is not built yet"); }

}  // namespace tolv7
