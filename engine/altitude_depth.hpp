#pragma once
// Altitude and atmospheric depth through the table ATMOSPHERE/FT-GM.DAT:
// two header lines, then 553 lines of altitude (thousands of feet, rising)
// and depth (g/cm2, falling) in free form.
//
// The table is read again whenever its size or modification time changed
// since the last reading (and before every use when caching is off), so an
// edit of the file counts at the next call.
#include <vector>

#include "app/file_stamp.hpp"
#include "engine/splines.hpp"

namespace tolv7 {

struct EngineContext;

inline constexpr const char* kAltitudeTableFile = "ATMOSPHERE/FT-GM.DAT";
inline constexpr int kAltitudeRows = 553;

// The table as last read, with the splines prepared on it.
struct AltitudeTable {
    bool loaded = false;
    FileStamp stamp;
    std::vector<double> kft;    // altitude, thousands of feet
    std::vector<double> depth;  // g/cm2
    CubicSpline depth_at_feet;  // natural spline over the altitudes in feet
    GuardedSpline kft_at_depth; // guarded spline over the falling depths
};

// Depth in g/cm2 at an altitude in feet (-600 to 400000 ft, else fatal).
double ft2gpcms(const EngineContext& p, double feet);

// Altitude in km at a depth in g/cm2 (1e-4 to 1035.0837, else fatal).
double km(const EngineContext& p, double depth);

// Feet to kilometres.
double ft2km(double feet);

// Depth in g/cm2 at an altitude in kilometres (through ft2gpcms).
double km2depth(const EngineContext& p, double kilometres);

}  // namespace tolv7
