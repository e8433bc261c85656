#pragma once
// A data tree on which every flight point above 918 g/cm2 has the same rate:
// one coefficient everywhere, no geomagnetic cutoff, one potential for every
// date (flights dated away from the Kp storm and the Forbush decrease).
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
