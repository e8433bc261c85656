#pragma once
// Small valid inputs of the three batch runs, and one input's batch run.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "session.hpp"

namespace tolv7::fuzz {

// One short city-pair flight.
inline constexpr std::string_view kOneFlight =
    "LHR-CDG  BA304  short haul\n2019/06/15\nEGLL\nLFPG\n1\n15\n29000 15\n25\n--------------------\n";

// A waypoint flight of three points.
inline constexpr std::string_view kOneRoute =
    "2019/06/15,BA178 JFK-LHR\n"
    "LAT DEG MIN N/S  LON DEG MIN E/W  ALT FT  MINUTES\n"
    "40 38.4 N   73 46.8 W     13     0\n"
    "41 40.0 N   69 30.0 W  35000    25\n"
    "43 30.0 N   63  0.0 W  35000    60\n";

// A location list of one place by coordinates and one by airport.
inline constexpr std::string_view kTwoPlaces =
    "Two places\nSTART-\nN,51.5,W,0.5,F,35000,2019/06/15,H12,P00,D2\n"
    "A,EGLL,F,35000,2019/06/15,H12,P00,D2\nSTOP--\n";

// DEFAULT.INP for a run of `name` on each input's own dates.
inline std::string batch_control_for(std::string_view name) {
    return "0000/00/00\n   0\n   0\n   2\n" + std::string(name) + "\n";
}

using NamedText = std::pair<std::string_view, std::string_view>;

// Writes the files (name and text) into the work folder, then starts the
// program and runs the batch run that DEFAULT.INP names.
void run_batch_with(std::initializer_list<NamedText> files);

// A batch run of one input file named `name`.
inline void run_batch_of(std::string_view name, std::string_view input) {
    run_batch_with({{"DEFAULT.INP", batch_control_for(name)}, {name, input}});
}

}  // namespace tolv7::fuzz
