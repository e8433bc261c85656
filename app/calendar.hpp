#pragma once
// Calendar arithmetic: day of the year, decimal years and back, month and
// year lengths, and two small numeric routines.
#include <cstdint>
#include <optional>
#include <string>

#include "app/fixed_columns.hpp"

namespace tolv7 {

bool leap(std::int32_t year);
double leapyr(std::int32_t year);
double diy(std::int32_t year);
std::int32_t dimo(std::int32_t year, std::int32_t month);
std::int32_t tdaeom(std::int32_t year, std::int32_t month);
// Days before the month (months outside 2-12 count none).
std::int32_t days_before_month(std::int32_t year, std::int32_t month);

// Day of the year as a real: 1 January 0 h is 1.0; day 0 counts as the 15th.
double dsf(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour);

struct CalendarDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
};

// A decimal year as calendar year, month 1-12, day 1-31 and hour 0-23. Day of
// the year 0 is 31 December of the year before, and an hour that rounds to
// 24 is hour 0 of the next day. The Kp and Forbush lookups split their
// dates the same way.
CalendarDate dates(double t);

// The decimal year of a date and hour: year + dsf / days of the year.
double decimal_year(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour);

double dt2dyear(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute);

// The date text of flight files and the daily potential file: "YYYY/MM/DD",
// or "MM/YYYY" (day 0) when column 3 is a slash.
namespace date_col {
inline constexpr ColumnField year{1, 4};
inline constexpr ColumnField month{6, 7};
inline constexpr ColumnField day{9, 10};
inline constexpr ColumnField month_form_mark{3, 3};  // "/" in the month form
inline constexpr ColumnField month_form_month{1, 2};
inline constexpr ColumnField month_form_year{4, 7};
}  // namespace date_col

// "YYYY/MM/DD" with month and day zero-padded.
std::string date_text(std::int32_t year, std::int32_t month, std::int32_t day);
// "MM/YYYY" with the month zero-padded.
std::string month_date_text(std::int32_t month, std::int32_t year);

// The date of a date text; nullopt when a field is not a number.
std::optional<CalendarDate> date2ymd(const std::string& text);

// The first year a date may have: the leap rule and the potential tables
// count years from 1, and a year of 0 or below is a typing fault.
inline constexpr std::int32_t kFirstYear = 1;
// The last hour of a date: 24 is the end of the day, as a take-off time of
// 2400 is.
inline constexpr std::int32_t kLastHour = 24;

// Why a date cannot be, in a few lower-case words naming the value and its
// limit ("month 13 is not 00 to 12"); empty when it can be: a year from 1, a
// month 1-12 with a day from 0 (a monthly average) to the month's end, or
// month 0 with day 0 (a yearly average). The hour is not looked at.
std::string date_fault(const CalendarDate& date);
bool possible_date(const CalendarDate& date);

double linterp(double x1, double x2, double y1, double y2, double x);
double extrapolate(double x1, double x2, double y1, double y2, double x);

namespace fmath {
// The program's common logarithm: ln x over the single-precision ln 10.
double log10(double x);
}  // namespace fmath

}  // namespace tolv7
