#pragma once
// The skip texts of flights that were not computed.
#include <string>

namespace tolv7 {

// What became of one flight record. The numbers are the ones the check log
// writes ("EXITING RDBIGFLT, BAD=") and must stay as they are.
enum class FlightStatus : int {
    Computed = 0,
    DateUnreadable = 1,
    RecordUnreadable = 2,  // a step or descent line that cannot be read
    EndOfFile = 3,
    TooLong = 5,  // more than 1996 minutes (or a waypoint minute out of order)
    UnknownOrigin = 6,
    UnknownDestination = 7,
    MinutesDoNotRise = 8,  // waypoint minutes that fall or repeat
    BadProfile = 9,
};

// The skip text of a flight that was not computed.
std::string badstr(FlightStatus status);

// The skip text without its padding and "...SKIPPING THIS FLIGHT", then
// ": " and the detail when there is one: "CANNOT READ ALTS: line 23 holds a
// third number".
std::string skip_reason(FlightStatus status, const std::string& detail = "");

}  // namespace tolv7
