#pragma once
// The dose rate at one place, altitude and time asked at the keyboard, and
// the decimal year of a calendar date that the dose engine takes.
#include <cstdint>
#include <string>

namespace tolv7 {

struct RunContext;

// The decimal year of a date and UT hour: year + day of the year / 365 (366
// in a Gregorian leap year). Month 0 sets the yearly average switch, day 0
// the monthly one and hour 0 the daily one; no switch is ever cleared here.
double ymdh2t(const RunContext& p, std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour);

// The altitudes the engine takes in a unit (F feet, K kilometres, any other
// letter g/cm2), as shown to the user: rounded inwards so that both ends
// shown are taken (whole feet, kilometres to 4 decimals), with the unit's
// name ("FT", "KM", "G/CM^2").
struct AltitudeRange {
    std::string lowest, highest, unit;
};
AltitudeRange altitude_range(const RunContext& p, char unit);

// The single-place dialogue: date, latitude, longitude, altitude, particle
// and dose type, one dose computation and the result screen. A date or place
// that cannot be (possible_date, place_limits.hpp) is asked again.
void onespot(const RunContext& p);

}  // namespace tolv7
