#pragma once
// The dose of one waypoint flight (*.DEG): one profile point at the middle
// of every minute of flight, on the geodesic of its leg, at an altitude
// interpolated linearly between the leg's waypoints; every minute weighs one
// minute.
#include <istream>
#include <ostream>
#include <string>

#include "runs/flight_status.hpp"

namespace tolv7 {

struct RunContext;

inline constexpr int kMaxWaypoints = 2000;
inline constexpr int kMaxWaypointMinutes = 2000;

struct WaypointDose {
    std::string date;  // the date used, 10 characters
    double total = 0.0;
    // Computed; DateUnreadable; TooLong (a waypoint after minute 2000);
    // MinutesDoNotRise (a waypoint not after the one before); BadProfile (a
    // hemisphere letter other than N, S, E, W, a minus sign beside one, a
    // waypoint that cannot be read, more than 2000 waypoints, a first
    // waypoint not at minute 0, a waypoint below kLowestWrittenFeet, a
    // minute flown above the highest altitude the engine takes).
    FlightStatus status = FlightStatus::Computed;
    // The line that skipped the flight: 1 for the date, else the last line
    // of the waypoint at fault; 0 for a computed flight.
    int line = 0;
};

// The file's date when the run uses the file dates: "YYYY/MM/DD" as it
// stands, "YYYY/MM" and "MM/YYYY" as "YYYY/MM/00"; empty when not readable.
std::string waypoint_file_date(const std::string& date_text);

// Reads the flight from the start of `in` (named `file_name` in messages)
// and writes one step line per minute to `dat`. The run date "0000/00/00"
// uses the file's date as a daily average; any other run date is used with
// the take-off time (HHMM). Minutes below the lowest altitude the engine
// takes are flown at the lowest, with one check-log line for the flight
// naming the waypoints below it. A waypoint above the highest skips the
// flight only when a minute on a leg from or to it is flown above it.
WaypointDose deg_flt_dose(const RunContext& p, std::istream& in, const std::string& file_name, std::ostream& dat,
                          const std::string& run_date, int takeoff, int particle, int quantity);

}  // namespace tolv7
