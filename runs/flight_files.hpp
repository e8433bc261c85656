#pragma once
// Choosing the input files of a flight run: one named file, or every file of
// its type for a name such as *.BIG; the names go to FILELIST.TXT.
#include <optional>
#include <string>
#include <vector>

namespace tolv7 {

struct RunContext;

// Lists the files to run into FILELIST.TXT and returns their count (at
// least 1). A pattern that finds no file writes the warning lines and stops
// the program; a name that may not go into a shell command is refused with a
// message (nullopt).
std::optional<int> pick_flt_files(const RunContext& p, const std::string& input_name);

// Whether the input name asks for every file of its type: a "*" just before
// the "." and the three letters of the type (*.BIG, A*.DEG).
bool flight_file_pattern(const std::string& input_name);

// The names in FILELIST.TXT as the flight runs take them: each line whole
// (a name may hold blanks), empty lines passed over.
std::vector<std::string> listed_flight_files();

}  // namespace tolv7
