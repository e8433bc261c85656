#pragma once
// Shared records of the flight and location runs.
#include <string>

namespace tolv7 {

// The ellipsoid of the geodesy routines (GRS 80).
struct Elipsoid {
    double a = 6378137.0;              // semi-major axis, metres
    double f = 0.0033528106811836675;  // flattening, 1/298.25722210088
};

// Constants of the geodesy routines.
struct Consts {
    double pi = 3.141592653589793;
    double rad = 57.29577951308232;  // degrees per radian
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
