#pragma once
// The airport and code files that start-up opens and that stay open for the
// whole run (AirportRecords).
#include <fstream>
#include <string>

namespace tolv7 {

// Back to the first line, whatever state the last read left.
void rewind_held(std::ifstream& in);

// A program context that did not go through start-up opens the file here; a
// missing file stops the program (status 2).
void ensure_held_open(std::ifstream& in, const std::string& path);

// Closes and opens the file again as an existing file (after the viewer or
// a rewrite changed it); a file gone meanwhile is named as missing, anything
// else in its place as not a regular file (status 2).
void reopen_held(std::ifstream& in, const std::string& path);

// The same, but a file that cannot be opened (or is no regular file) is left
// closed: its next use opens it (ensure_held_open) or stops there.
void reopen_held_if_present(std::ifstream& in, const std::string& path);

}  // namespace tolv7
