#pragma once
// The detailed block of a computed city-pair flight in the cumulative
// report TOLV-7.RPT: name, airports, date, heliocentric potential and dose.
#include <ostream>
#include <string>

namespace tolv7 {

struct RunContext;

// The 16-character name and unit texts of a dose quantity for the block;
// a quantity outside 1-8 gives the text of the last valid one.
std::string dknames(const RunContext& p, int quantity);
std::string dkunits(const RunContext& p, int quantity);

// The dose line of the block: fluence and neutron monitor counts in F7.2,
// other quantities in F4.2, F5.1 or F6.1 (by the dose as computed) followed
// by the dose / 1000 in F7.5 with its unit.
std::string report_dose_line(const RunContext& p, double dose, int quantity);

// Appends the seven lines of one flight to the open report. `date` is the
// date the dose was computed for (BigFlightDose::date); the block shows it
// and the heliocentric potential that date looks up.
void big_flt_rpt(const RunContext& p, std::ostream& report, const std::string& flight_name, const std::string& origin,
                 const std::string& destination, const std::string& date, double dose, int quantity);

}  // namespace tolv7
