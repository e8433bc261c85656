#pragma once
// Choosing the input files of a flight run: one named file, or every file of
// its type for a name such as *.BIG; the names go to FILELIST.TXT.
#include <optional>
#include <string>

namespace tolv7 {

struct RunContext;

// Lists the files to run into FILELIST.TXT and returns their count (at
// least 1). A pattern that finds no file writes the warning lines and stops
// the program; a name that may not go into a shell command is refused with a
// message (nullopt).
std::optional<int> pick_flt_files(const RunContext& p, const std::string& input_name);

}  // namespace tolv7
