#pragma once
// Reading TOLV.INI into the settings records init, ini and nvc_tf.

namespace tolv7 {

struct AppContext;

// Resets the defaults, reads TOLV.INI up to its END line and echoes every
// line to the check log.
void getini(const AppContext& p);

}  // namespace tolv7
