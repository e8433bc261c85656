#pragma once
// The solar data menu: the potential menu, and the Forbush and Kp files in
// the viewer for editing.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

NextMenu menu_solarmod(const RunContext& p);

}  // namespace tolv7
