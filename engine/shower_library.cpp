#include "engine/shower_library.hpp"

#include "app/program.hpp"

namespace tolv7 {

void loadftdccs(Program& p) { p.con.line(" loadftdccs is not built yet"); }

}  // namespace tolv7
