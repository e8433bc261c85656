#pragma once
// What the city-pair and waypoint runs share around their flights: the
// global diagnostic switch held at "NO!", the settings from DEFAULT.INP or
// the menus, the input files listed into FILELIST.TXT and read back by name.
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "app/menu_flow.hpp"
#include "app/settings.hpp"
#include "runs/flight_options.hpp"

namespace tolv7 {

struct RunContext;

// Keeps the global diagnostic switch and sets it to "NO!" for its lifetime.
class QuietDiagnostics {
public:
    explicit QuietDiagnostics(InitRecord& init);
    ~QuietDiagnostics();
    QuietDiagnostics(const QuietDiagnostics&) = delete;
    QuietDiagnostics& operator=(const QuietDiagnostics&) = delete;

private:
    InitRecord& init_;
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
// leaves for the same menu, its quit answer for the main menu. A picked name
// that the run cannot take (characters other than letters, digits and ._-,
// more than 30 characters, or its own result file) is refused by name before
// the dialogue asks anything. Then the input files are listed into
// FILELIST.TXT.
FlightRunStart start_flight_run(const RunContext& p, const std::string& type);

// One input file of a run: the options, the name (30 characters), its
// number and the number of files.
using FlightFileRun = std::function<void(const FlightOptions&, const std::string&, int, int)>;

// One input file of a run, as FlightFileRun, that says what became of it:
// nullopt when its flight was computed, else the reason it was skipped.
using CountedFileRun =
    std::function<std::optional<std::string>(const FlightOptions&, const std::string&, int, int)>;

// start_flight_run, then `run_file` for each name of FILELIST.TXT in order
// (each line whole, blank-padded to 30 characters; a list shorter than its
// count stops the program). The files are items of a skip group named by the
// input name (noun: `noun`): each is computed or skipped with the reason
// run_file gives, which the console names. In a "*" run a listed file that
// cannot be run (a name with a blank or of more than 30 characters, a file
// that is not a regular file, cannot be read, or ends before its first
// flight) is skipped with its reason and not handed to run_file.
FlightRunStart run_counted_files(const RunContext& p, const std::string& type, const std::string& noun,
                                 const CountedFileRun& run_file);

// run_counted_files with the noun "files"; every file run counts as computed.
FlightRunStart run_listed_files(const RunContext& p, const std::string& type, const FlightFileRun& run_file);

// Opens input file `number` of `count` (it must exist; binary, so that the
// record reader can go back to a position it took) and shows the
// "Processing" line.
std::ifstream open_flight_file(const RunContext& p, const std::string& filename, int number, int count);

// The result file of an input file with the extension; nullopt, with a
// message, when it would be the input file itself.
std::optional<std::string> result_file_name(const RunContext& p, const std::string& filename, const std::string& extension);

}  // namespace tolv7
