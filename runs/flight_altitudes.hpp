#pragma once
// The altitudes a flight is written with (airport elevations, cruise steps,
// waypoints) against the altitudes the dose engine takes. A point below the
// lowest is computed at the lowest; an altitude above the highest cannot be
// flown through the depth table, so its flight is not computed.
#include <optional>
#include <string>
#include <vector>

#include "engine/altitude_depth.hpp"

namespace tolv7 {

struct RunContext;

// The lowest altitude a flight may be written with: below every airport
// (the lowest lie near -1,266 ft), so a cruise step or waypoint under it is
// a typing fault, never computed. Between it and the lowest altitude the
// engine takes, points are computed at that lowest.
inline constexpr double kLowestWrittenFeet = -1500.0;

// One altitude as the flight input gives it, with the name the check log
// gives it: an ICAO code, or a word and a number ("STEP" 2, "WAYPOINT" 7).
struct WrittenAltitude {
    std::string name;
    int number = 0;  // 0: the name alone
    double feet = 0.0;
};

// Checks a flight's written altitudes in their order. The first above the
// highest gets the check-log line "ALTITUDE ABOVE THE DEPTH TABLE:" (its
// name, feet and the highest) and its index is returned; otherwise those
// below the lowest, if any, get one line "ALTITUDE BELOW THE DEPTH TABLE:"
// naming each with its feet, then "COMPUTED AT" and the lowest.
std::optional<std::size_t> check_flight_altitudes(const RunContext& p, const std::vector<WrittenAltitude>& written,
                                                  const AltitudeBounds& bounds);

// The altitude a profile point is computed at: inside the bounds (a point
// can only stray from them by rounding once the written altitudes passed
// the check, or below the lowest as written).
double flown_feet(const AltitudeBounds& bounds, double feet);

}  // namespace tolv7
