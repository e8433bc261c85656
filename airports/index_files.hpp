#pragma once
// The airport index files AIRPORTS/PORT.NDX (by airport name) and
// AIRPORTS/CITY.NDX (by city), built from the primary and user airport files.
#include <string>

namespace tolv7 {

struct AirportContext;

// Reads both airport files (copying every record to the check log), sorts
// their records and writes both index files. A file without its end record,
// or a record whose number fields are not numbers, stops the program; the
// stop for a missing end record says what the end record is.
void make_ndx(const AirportContext& p, int record_length, int capacity);

// The record the rebuild stops at, as messages name it: "ICAO code ---- and
// 99999 ft in columns 84-88" for standard error and the check log, "CODE
// ---- AND 99999 FT" for the console.
std::string end_record_words();
std::string end_record_brief();

}  // namespace tolv7
