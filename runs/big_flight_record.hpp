#pragma once
// The city-pair flight record of a *.BIG file and its reader.
#include <array>
#include <istream>
#include <string>

#include "runs/flight_status.hpp"

namespace tolv7 {

struct RunContext;

inline constexpr int kMaxCruiseSteps = 20;

struct BigFlightRecord {
    std::string name;         // 30 characters
    std::string date;         // 10 characters, after the date rule
    std::string origin;       // 6 characters
    std::string destination;  // 6 characters
    int climb = 0;
    int steps = 0;
    std::array<int, kMaxCruiseSteps> step_feet{};
    std::array<int, kMaxCruiseSteps> step_min{};
    int descent = 0;
    int cruise = 0;
    int total = 0;
    // Computed (read); DateUnreadable (skipped to its separator);
    // RecordUnreadable (an unreadable step or descent line, skipped to its
    // separator, or more steps than the tables hold); EndOfFile.
    FlightStatus status = FlightStatus::Computed;
};

// An open flight file with the number of the last line read, for messages.
struct FlightFile {
    std::istream& in;
    std::string name;
    int line = 0;
    std::string flight = "";  // the name line of the record being read
};

// The date rule of line 2: "MM/YYYY" and "YYYY/MM" become "YYYY/MM/00",
// "YYYY/MM/DD" stays; anything else gives an empty text.
std::string big_flight_date(const std::string& text);

// Reads the next record, writing its trace lines to the check log.
BigFlightRecord rdbigflt(const RunContext& p, FlightFile& file);

}  // namespace tolv7
