#pragma once
// Heliocentric potential tables: the monthly table SOLARMOD/MV-DATES.L99,
// loaded once at start-up, and the daily file SOLARMOD/MORDATES.2K, searched
// at every lookup.
#include <cstdint>

namespace tolv7 {

struct EngineContext;

// Loads the monthly table into mvdates.
void load_hp(const EngineContext& p);

// The potential in MV for a date (month 0: yearly average, day 0: monthly
// average): the first matching line of the daily file, else the monthly
// table; for a yearly average the mean of the year's monthly table entries,
// rounded to whole MV, with one line in the check log; else the most recent
// monthly entry with two warning lines in the check log.
std::int32_t date2hp(const EngineContext& p, std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace tolv7
