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
    // RecordUnreadable (an unreadable step or descent line, a step line with
    // a number after its two, skipped to its separator, or more steps than
    // the tables hold); EndOfFile.
    FlightStatus status = FlightStatus::Computed;
    // Why a record was not read, in a few lower-case words naming its line
    // ("line 23 holds a third number"); empty when it was.
    std::string detail;
};

// An open flight file with the number of the last line read, for messages.
struct FlightFile {
    std::istream& in;
    std::string name;
    int line = 0;
    std::string flight = "";  // the name line of the record being read
    int record = 0;           // records begun, the one being read included
    int record_line = 0;      // the line the record being read begins on
    // Set on the reading that looks ahead at the lines after a record
    // without its separator: it passes nothing over and looks no further.
    bool look_ahead = false;
};

// The date rule of line 2: "MM/YYYY" and "YYYY/MM" become "YYYY/MM/00",
// "YYYY/MM/DD" stays; anything else gives an empty text.
std::string big_flight_date(const std::string& text);

// The record last read as messages name it: flight 4 "LHR-CDG" at line 20.
std::string flight_item(const FlightFile& file, const BigFlightRecord& r);

// Reads the next record, writing its trace lines to the check log. The
// separator line may be left out: the record then ends with its descent, at
// the end of the file or where the next record begins.
BigFlightRecord rdbigflt(const RunContext& p, FlightFile& file);

}  // namespace tolv7
