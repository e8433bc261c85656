#pragma once
// The take-off time of a flight as a decimal year, and the average switches
// that the date chooses for the dose engine.
#include <optional>
#include <string>

namespace tolv7 {

struct RunContext;

// One minute of flight in years: the single-precision 1.9026E-6 widened.
inline constexpr double kMinuteYears = 1.9026000472877058E-6;
static_assert(kMinuteYears == double(1.9026E-6f));
// The same minute in double precision, as the waypoint profile steps its time.
inline constexpr double kMinuteYearsDouble = 1.9026e-6;

// A take-off time HHMM whose minutes are those of an hour (00 to 59).
inline bool takeoff_minutes_fit(int hhmm) { return hhmm % 100 < 60; }

// The date "YYYY/MM/DD" (or "MM/YYYY", day 0) at the hour and minute of
// take-off: year + day of year / days of the year, plus the minutes through
// single precision. Sets useaves: yearly when the month is 0, monthly when
// the day is 0, daily when hour and minute are both 0. nullopt, with the
// switches left alone, when a part of the date is not a number or the date
// cannot be (possible_date: a year before 1, a month above 12, a day past
// the month's end).
std::optional<double> flight_start(const RunContext& p, const std::string& ymd, int hour, int minute);

}  // namespace tolv7
