#pragma once
// The batch control file DEFAULT.INP: date, hour, particle, dose quantity and
// input file name on five lines.
#include <cstdint>
#include <optional>
#include <string>

namespace tolv7 {

struct BatchControl {
    std::string ymd1;           // line 1, columns 1-10: YYYY/MM/DD or MM/YYYY
    std::int32_t hour = 0;      // line 2, free form
    std::int32_t particle = 0;  // line 3, free form
    std::int32_t dosekind = 0;  // line 4, free form
    std::string name;           // line 5, columns 1-30
};

// Reads DEFAULT.INP. Lines 2-4 must hold a whole number (or blanks) in
// columns 1-4; the values the runs use are then read from each of these lines
// in free form (its first value; a blank line gives 0). A missing file, a
// missing line, a line 2-4 that fails either reading, or a line 5 that names
// no file stops the program (status 2).
BatchControl read_default_inp();

// The run date of line 1 (and of the flight dialogue) that the runs can use:
// "0000/00/00" (each flight's own date); YYYY/MM/DD with day 00 for a monthly
// average, month and day 00 for a yearly average; or MM/YYYY, which the runs
// read as YYYY/MM/00 (a monthly average; month 00 a yearly one). The date
// must be one the calendar has (see date_fault).
struct RunDateFault {
    bool form = false;  // not written in one of the forms above
    std::string why;    // lower-case words naming the value and the limit
};
std::optional<RunDateFault> run_date_fault(const std::string& ymd1);
bool possible_run_date(const std::string& ymd1);

enum class RunType { CityPair, Waypoint, LocationList };

// The run chosen by the last three characters of the input name, trailing
// blanks removed and upper-cased; a shorter name chooses the location list.
RunType run_type(const std::string& input_name);

}  // namespace tolv7
