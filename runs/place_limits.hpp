#pragma once
// The places a location line or the single-place dialogue may name. Degrees
// are taken as written, before the hemisphere letter gives their sign.
#include <cmath>
#include <string>

namespace tolv7 {

// The pole.
inline constexpr double kMaxLatitude = 90.0;
// A longitude may be written east from 0 to 360 as well as by hemisphere.
inline constexpr double kMaxLongitude = 360.0;
// Minutes in a degree and seconds in a minute: 60 or more cannot be.
inline constexpr int kAngleParts = 60;

inline bool possible_latitude(double degrees) { return std::isfinite(degrees) && std::fabs(degrees) <= kMaxLatitude; }
inline bool possible_longitude(double degrees) {
    return std::isfinite(degrees) && std::fabs(degrees) <= kMaxLongitude;
}
// Minutes of a degree or seconds of a minute.
inline bool possible_angle_part(int value) { return value >= 0 && value < kAngleParts; }
// Whether degrees are written with a minus sign (blanks before it aside).
// Beside a hemisphere letter, which alone gives the sign, that is a typo:
// W with -73.8 would be 73.8 degrees east.
inline bool minus_signed(const std::string& degrees) {
    std::size_t first = degrees.find_first_not_of(' ');
    return first != std::string::npos && degrees[first] == '-';
}

}  // namespace tolv7
