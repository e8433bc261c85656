#pragma once
// The batch control file DEFAULT.INP: date, hour, particle, dose quantity and
// input file name on five lines.
#include <cstdint>
#include <string>

namespace tolv7 {

struct BatchControl {
    std::string ymd1;        // line 1, columns 1-10: YYYY/MM/DD
    std::int32_t hour = 0;   // line 2, columns 1-4
    std::int32_t particle = 0;  // line 3, columns 1-4
    std::int32_t dosekind = 0;  // line 4, columns 1-4
    std::string name;        // line 5, columns 1-30
};

// Reads DEFAULT.INP; a missing file, a missing line or a line 2-4 whose
// columns 1-4 hold no whole number stops the program (status 2).
BatchControl read_default_inp();

enum class RunType { CityPair, Waypoint, LocationList };

// The run chosen by the last three characters of the input name, trailing
// blanks removed and upper-cased; a shorter name chooses the location list.
RunType run_type(const std::string& input_name);

}  // namespace tolv7
