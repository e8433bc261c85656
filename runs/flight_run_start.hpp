#pragma once
// What the city-pair and waypoint runs share around their flights: the
// global diagnostic switch held at "NO!", the settings from DEFAULT.INP or
// the menus, the input files listed into FILELIST.TXT and read back by name.
#include <istream>
#include <string>

#include "app/menu_flow.hpp"
#include "runs/flight_options.hpp"

namespace tolv7 {

struct Program;

// Keeps the global diagnostic switch and sets it to "NO!" for its lifetime.
class QuietDiagnostics {
public:
    explicit QuietDiagnostics(Program& p);
    ~QuietDiagnostics();
    QuietDiagnostics(const QuietDiagnostics&) = delete;
    QuietDiagnostics& operator=(const QuietDiagnostics&) = delete;

private:
    Program& p_;
    std::string diagall_;
};

struct FlightRunStart {
    bool started = false;
    NextMenu leave = NextMenu::Same;  // where to go when not started
    FlightOptions options;            // input_name: 30 characters
    int count = 0;                    // names listed in FILELIST.TXT
};

// Batch mode (MENUS "NO!"): DEFAULT.INP. Otherwise the picker for the type
// ("BIG" or "DEG") and the options dialogue; a picker that finds nothing
// leaves for the same menu, its quit answer for the main menu. Then the
// input files are listed into FILELIST.TXT.
FlightRunStart start_flight_run(Program& p, const std::string& type);

// The next name of FILELIST.TXT: the first word of the next line holding
// one, cut to 30 characters. A list that ends first stops the program.
std::string next_listed_file(std::istream& list);

}  // namespace tolv7
