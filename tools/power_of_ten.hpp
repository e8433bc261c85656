#pragma once
// Powers of ten for the tree's E10.3 values, identical on every runtime.

namespace tolv7::tree {

// 10 to the power k, the double nearest to it, for -300 <= k <= 300. Some
// runtimes' pow(10, k) is one unit off in the last place for negative k,
// which would change the last written digit of sums built from it.
double power_of_ten(int k);

}  // namespace tolv7::tree
