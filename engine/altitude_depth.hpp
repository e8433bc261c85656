#pragma once
// Altitude and atmospheric depth through the table ATMOSPHERE/FT-GM.DAT:
// two header lines, then 553 lines of altitude (thousands of feet, rising)
// and depth (g/cm2, falling) in free form.
//
// The table is read again whenever its size or modification time changed
// since the last reading (and before every use when caching is off), so an
// edit of the file counts at the next call. A reading stops the program at
// a line whose altitude does not rise or whose depth does not fall.
//
// The conversions stop the program (fatal) outside their fixed ranges; the
// runs keep their altitudes inside the bounds that altitude_bounds gives, so
// that no point they compute reaches either stop.
#include <vector>

#include "app/file_stamp.hpp"
#include "engine/splines.hpp"

namespace tolv7 {

struct EngineContext;

inline constexpr const char* kAltitudeTableFile = "ATMOSPHERE/FT-GM.DAT";
inline constexpr int kAltitudeRows = 553;

// The fixed ranges of the two conversions, both ends inclusive: ft2gpcms
// takes -600 to 400000 ft, km takes 1.0E-4 to 1035.0837 g/cm2 (single
// precision values, widened).
inline constexpr double kLowestFeet = -600.0;
inline constexpr double kHighestFeet = 400000.0;
inline constexpr double kLowestDepth = 9.999999747378752e-5;
static_assert(kLowestDepth == double(1.0e-4f));
inline constexpr double kHighestDepth = 1035.083740234375;
static_assert(kHighestDepth == double(1035.0837f));

// The altitudes (feet) the engine takes from a table: ft2gpcms of any
// altitude from lowest to highest (inclusive) gives a depth that km takes,
// so dose can be called with it. `usable` is false when no altitude of the
// table does (then lowest and highest mean nothing).
struct AltitudeBounds {
    double lowest = kLowestFeet;
    double highest = kHighestFeet;
    bool usable = true;
    // Whether an altitude in feet is inside (false for one that is not a
    // number).
    bool holds(double feet) const { return feet >= lowest && feet <= highest; }
};

// The table as last read, with the splines prepared on it.
struct AltitudeTable {
    bool loaded = false;
    FileStamp stamp;
    std::vector<double> kft;    // altitude, thousands of feet
    std::vector<double> depth;  // g/cm2
    CubicSpline depth_at_feet;  // natural spline over the altitudes in feet
    GuardedSpline kft_at_depth; // guarded spline over the falling depths
    AltitudeBounds bounds;      // found once per reading
};

// The bounds of a table whose depths fall with altitude (as every real
// atmosphere's do), on the spline that ft2gpcms interpolates with:
//   lowest:  the higher of -600 ft and the lowest altitude whose depth is at
//            most 1035.0837 g/cm2 (the altitude where the depth reaches it);
//   highest: the lower of 400000 ft and the highest altitude whose depth is
//            at least 1.0E-4 g/cm2 (where the depth falls to it).
// Each crossing is found by bisection to neighbouring doubles, so the bound
// itself is inside and the double beyond it is not. Not usable when no
// altitude from -600 to 400000 ft has a depth in km's range.
AltitudeBounds altitude_bounds(const AltitudeTable& t);

// The bounds of the table as it stands in the file now (read again when it
// changed). A table that gives no usable altitude stops the program as a
// damaged data file, naming it.
AltitudeBounds altitude_bounds(const EngineContext& p);

// Whether the engine takes an altitude in feet (unit 'F'), in kilometres
// ('K', turned into feet as km2depth does) or, for any other unit, given as
// a depth in g/cm2 (1.0E-4 to 1035.0837); false for a value that is not a
// number. Only feet and kilometres ask the table's bounds.
bool engine_takes(const EngineContext& p, char unit, double altitude);

// Depth in g/cm2 at an altitude in feet (-600 to 400000 ft, else fatal).
double ft2gpcms(const EngineContext& p, double feet);

// Altitude in km at a depth in g/cm2 (1e-4 to 1035.0837, else fatal).
double km(const EngineContext& p, double depth);

// Feet to kilometres.
double ft2km(double feet);

// Kilometres to feet, as km2depth turns them before ft2gpcms.
double km2feet(double kilometres);

// Depth in g/cm2 at an altitude in kilometres (through ft2gpcms).
double km2depth(const EngineContext& p, double kilometres);

}  // namespace tolv7
