#pragma once
// The solar data menu: the potential menu, and the Forbush and Kp files in
// the viewer for editing.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct Program;

NextMenu menu_solarmod(Program& p);

}  // namespace tolv7
