#pragma once
// Showing a file that start-up holds open: the handle is closed while the
// viewer runs, so that an editor may rewrite or rename the file (Windows
// refuses both while another handle is open), and opened again after.
#include <fstream>
#include <string>

namespace tolv7 {

struct RunContext;

// Closes `handle`, shows `shown` (the name written with forward slashes) in
// the viewer, then reopens `handle` on `held_path` (the name start-up used).
// A file the editor removed stays closed; whoever reads it next reports it.
void show_held_file(const RunContext& p, std::ifstream& handle, const std::string& shown, const std::string& held_path);

}  // namespace tolv7
