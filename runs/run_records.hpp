#pragma once
// Shared records of the flight and location runs.
#include <string>

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

    // ---- flight runs ----

    // Name and unit texts of the city-pair report, kept from the last valid
    // dose quantity (blank before the first).
    std::string kept_name = std::string(16, ' ');
    std::string kept_unit = std::string(16, ' ');
};

}  // namespace tolv7
