#pragma once
// The sky above a point, down to the dipped horizon, divided into zenith
// bands and azimuth sectors: each cell's cutoff rigidity (from the vertical
// cutoff, by the non-vertical cutoff mode), pass value and solid-angle weight.
#include <span>

namespace tolv7 {

// Single-precision constants of the sky geometry, widened.
// Radius of the Earth (km) under the horizon of the sky geometry.
inline constexpr double kSkyEarthRadiusKm = 6374.10009765625;
static_assert(kSkyEarthRadiusKm == double(6374.1f));
// Pi, half of it and the degree-to-radian factor.
inline constexpr double kSkyPi = 3.1415927410125732;
static_assert(kSkyPi == double(3.14159265f));
inline constexpr double kSkyHalfPi = 1.5707963705062866;
static_assert(kSkyHalfPi == double(1.57079633f));
inline constexpr double kSkyDegToRad = 0.017453293005625408;
// 180 degrees over the single-precision pi (double precision).
inline constexpr double kSkyRadToDeg = 57.29577791868205;

// Dip of the horizon below the horizontal (radians) at an altitude in km.
double zeta(double altitude_km);

// Half-width (degrees) of each of n zenith bands that span the sky from the
// zenith down to the dipped horizon.
double zstep(int n, double altitude_km);

// Weight of one cell of n bands and m sectors whose band centre has the
// elevation y (degrees): its share of the full sphere's solid angle.
double sky(int n, int m, double y, double altitude_km);

// Apparent cutoff of a vertical cutoff rv (GV).
double apcut(double rv);

// The vertical cutoff, but at least 15 GV.
double maxvc(double rv);

// Cutoff of the sky cell at elevation and azimuth (degrees) by the mode
// character: '1'/'3' Stoermer form, '4' the vertical cutoff, else apparent.
// The two unnamed arguments play no part.
double nvc(char mode, double rv, double, double, double elevation, double azimuth);

// Fills the n x m cells (band fastest) from the vertical cutoff rv. A cell
// cutoff below 0 is stored as 0. Nothing is written when n or m is below 1;
// the arrays must hold n x m values.
void sky_cells(char mode, int n, int m, double rv, double altitude_km, std::span<double> skycut,
               std::span<double> skypass, std::span<double> skywt);

}  // namespace tolv7
