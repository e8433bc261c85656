#pragma once
// The airport index files AIRPORTS/PORT.NDX (by airport name) and
// AIRPORTS/CITY.NDX (by city), built from the primary and user airport files.

namespace tolv7 {

struct AirportContext;

// Reads both airport files (copying every record to the check log), sorts
// their records and writes both index files. A file without its end record,
// or a record whose number fields are not numbers, stops the program.
void make_ndx(const AirportContext& p, int record_length, int capacity);

}  // namespace tolv7
