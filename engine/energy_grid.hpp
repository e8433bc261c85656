#pragma once
// The energy grids and the depth axis of the dose engine.
#include <array>

namespace tolv7 {

// Work grid of primary kinetic energy per nucleon in GeV: 0.01 x 10^(6(i-1)/99)
// rounded to 4 significant digits, i = 1 to 100 (index 0 to 99 here).
inline constexpr std::array<double, 100> kEnergyGrid = {
    0.01, 0.0115, 0.01322, 0.0152, 0.01748, 0.02009, 0.0231, 0.02656,
    0.03054, 0.03511, 0.04037, 0.04642, 0.05337, 0.06136, 0.07055, 0.08111,
    0.09326, 0.1072, 0.1233, 0.1417, 0.163, 0.1874, 0.2154, 0.2477,
    0.2848, 0.3275, 0.3765, 0.4329, 0.4977, 0.5722, 0.6579, 0.7565,
    0.8697, 1.0, 1.15, 1.322, 1.52, 1.748, 2.009, 2.31,
    2.656, 3.054, 3.511, 4.037, 4.642, 5.337, 6.136, 7.055,
    8.111, 9.326, 10.72, 12.33, 14.17, 16.3, 18.74, 21.54,
    24.77, 28.48, 32.75, 37.65, 43.29, 49.77, 57.22, 65.79,
    75.65, 86.97, 100.0, 115.0, 132.2, 152.0, 174.8, 200.9,
    231.0, 265.6, 305.4, 351.1, 403.7, 464.2, 533.7, 613.6,
    705.5, 811.1, 932.6, 1072.0, 1233.0, 1417.0, 1630.0, 1874.0,
    2154.0, 2477.0, 2848.0, 3275.0, 3765.0, 4329.0, 4977.0, 5722.0,
    6579.0, 7565.0, 8697.0, 10000.0,
};

// Energy axis of the shower library in MeV (19 points).
inline constexpr std::array<double, 19> kCoefficientEnergyMeV = {
    1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, 100000, 200000, 500000, 1000000,
};

// Depth axis of the shower library in g/cm2, from the surface (1035.0837) to
// the top of the atmosphere; single-precision values widened.
inline constexpr std::array<double, 19> kPhys = {
    1035.0837f, 918.3537f, 716.8487f, 483.0577f, 315.3317f, 198.7657f, 124.2157f,
    77.6617f,   48.5928f,  30.5677f,  19.3575f,  12.3383f,  7.9173f,   3.3999f,
    0.7309f,    0.1508f,   0.02462f,  0.002941f, 0.0f,
};

// The single-precision 0.001: MeV to GeV on the library's energy axis, and
// the thousandth in the units of the primary flux.
inline constexpr double kSingleMilli = 0.0010000000474974513;
static_assert(kSingleMilli == double(0.001f));

}  // namespace tolv7
