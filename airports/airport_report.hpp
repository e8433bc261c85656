#pragma once
// The report of one airport, found by ICAO code in AIRPORTS/PORT.NDX,
// written to AIRPORTS/PORTINFO.TXT and shown in the viewer.
#include <string>

#include "app/menu_flow.hpp"

namespace tolv7 {

struct AirportContext;

// The given code's first 6 characters without trailing blanks (n of them)
// match a record when n is 4 to 6 and its ICAO field starts with them; the
// first record in name order wins. Found: the report, the viewer, a pause
// when MENUS is YES, and Airport (the airport menu comes next). Not found:
// the messages, a cleared screen with the banner, Same (the caller goes on),
// and the previous report file stays as it was.
NextMenu rep_by_icao(const AirportContext& p, const std::string& code);

}  // namespace tolv7
