#pragma once
// The settings of a flight run: asked at the keyboard in menu mode, or read
// from DEFAULT.INP in batch mode.
#include <string>

#include "engine/shower_library.hpp"

namespace tolv7 {

struct RunContext;

struct FlightOptions {
    int particle = kAllParticles;      // 1-38, 38 all particles
    int quantity = 2;                  // 1-8
    std::string run_date = "0000/00/00";  // or YYYY/MM/DD (MM/YYYY) for every flight
    int takeoff = 0;                   // HHMM, 0 a daily average
    std::string input_name;            // 30 characters (batch mode)
};

// The options dialogue; also sets the GCR model number of ini to 4. A date
// typed without its slashes in columns 5 and 8, or one the runs could not
// use (possible_run_date), is asked again; so is a take-off time outside
// 0-2400 or with minutes of 60 or more.
FlightOptions pick_flt_options(const RunContext& p);

// The settings of DEFAULT.INP, checked before anything is written: a run date
// the runs can use (possible_run_date), particle 0-37 (0 stored as 38),
// quantity 1-8, take-off time 0-2400 with minutes 00-59; anything else stops the program
// (status 1) with a message naming the file, line, value and limit.
FlightOptions batch_flight_options(const RunContext& p);

}  // namespace tolv7
