#pragma once
// The three-letter code file AIRPORTS/CODES: one association per line, the
// code in columns 1-3, a separator in 4 (not read) and the first four
// characters of an ICAO code in 5-8. The program only reads it; the user
// edits it in the viewer.
#include <string>

namespace tolv7 {

struct AirportContext;

// The code of the first line whose columns 5-8 equal the first four
// characters of the left-aligned ICAO code exactly (case and trailing blanks
// count); "---" when no line does. Every search starts at the first line.
std::string altcode(const AirportContext& p, const std::string& icao);

// The airport menu's editing item: the instructions, the file in the viewer
// (always named AIRPORTS/CODES), a message that waits when MENUS is YES, and
// the file opened again (a file deleted in the viewer stops the program).
void addacode(const AirportContext& p);

// The entry form's shorter variant: the instructions without empty lines,
// the file in the viewer under the OS setting's name, reopened; no pause.
void edit_codes_in_form(const AirportContext& p);

}  // namespace tolv7
