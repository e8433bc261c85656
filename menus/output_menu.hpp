#pragma once
// The output menu: the settings and batch files in the viewer, and earlier
// result archives.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

NextMenu menu_output(Program& p);

}  // namespace tolv7
