#pragma once
// The report of one airport, found by ICAO code, shown in the viewer.
#include <string>

namespace tolv7 {

struct Program;

// 0 when the airport was found and its report shown (the airport menu comes
// next), -1 when it was not found.
int rep_by_icao(Program& p, const std::string& code);

}  // namespace tolv7
