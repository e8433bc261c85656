#pragma once
// A data tree on which the rate depends on the depth alone: one coefficient
// everywhere, no geomagnetic cutoff, one potential for every date (for dates
// away from the Kp storm and the Forbush decrease). Points at one altitude
// all have the same rate.
#include "tools/data_tree.hpp"

namespace tolv7::test {

inline tree::TreeOptions even_rate_tree() {
    tree::TreeOptions o;
    o.constant_coefficients = true;
    o.cutoffs = tree::CutoffShape::Zero;
    o.constant_potential_mv = 500;
    return o;
}

}  // namespace tolv7::test
