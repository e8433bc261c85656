#pragma once
// The built program in a terminal with its viewer replaced by a recorder: a
// script named `viewrec` (no slash, so the viewer lookup finds it on PATH)
// that logs each command's arguments to VIEWER.LOG and may act like an
// editor on the file it is given.
#include <filesystem>
#include <string>

namespace tolv7::test {

// Writes TOLV.INI (MENUS YES, VIEWER viewrec) and bin/viewrec into `dir`;
// `script` is the recorder's body after its logging line. Returns the
// command that starts the built tolv7 with the recorder on PATH.
std::string program_with_viewer_recorder(const std::filesystem::path& dir, const std::string& script);

}  // namespace tolv7::test
