#pragma once
// The output menu: the settings and batch files in the viewer, and earlier
// result archives.
#include "app/menu_flow.hpp"

namespace tolv7 {

struct RunContext;

NextMenu menu_output(const RunContext& p);

}  // namespace tolv7
