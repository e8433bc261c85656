#pragma once
// Shared records of the flight and location runs.
#include "runs/skip_tally.hpp"

namespace tolv7 {

// The GRS 80 ellipsoid: semi-major axis in metres, and the flattening in
// its defining form.
inline constexpr double kGrs80SemiMajorAxis = 6378137.0;
inline constexpr double kGrs80Flattening = 1 / 298.25722210088;
static_assert(kGrs80Flattening == 0.0033528106811836675);

// The ellipsoid of the geodesy routines.
struct Elipsoid {
    double a = kGrs80SemiMajorAxis;
    double f = kGrs80Flattening;
};

// Pi in double precision and the degrees in a radian.
inline constexpr double kGeodesyPi = 3.141592653589793;
inline constexpr double kDegreesPerRadian = 180 / kGeodesyPi;
static_assert(kDegreesPerRadian == 57.29577951308232);

// Constants of the geodesy routines.
struct Consts {
    double pi = kGeodesyPi;
    double rad = kDegreesPerRadian;
};

struct RunRecords {
    Elipsoid elipsoid;
    Consts consts;
    // What the runs left out since it was last cleared: by the end of a
    // batch run, or by the menus once they have shown it.
    SkipTally skips;
};

}  // namespace tolv7
