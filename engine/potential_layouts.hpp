#pragma once
// The line layouts of the two heliocentric potential files (neither has a
// heading line). The potential loaders and the data tree tool both work
// through these tables.
#include <cstdint>
#include <optional>
#include <string>

#include "app/fixed_columns.hpp"

namespace tolv7 {

// SOLARMOD/MV-DATES.L99: one month a line, "12/2020,    1345".
namespace monthly_col {
inline constexpr ColumnField month{1, 2};
inline constexpr ColumnField separator{3, 3};  // any character; written "/"
inline constexpr ColumnField year{4, 7};
inline constexpr ColumnField closing{8, 8};  // any character; written ","
inline constexpr ColumnField potential{9, 16};  // MV
}  // namespace monthly_col

// SOLARMOD/MORDATES.2K: the date text (see date_col) and the potential. A
// comma that closes the date text (column 8 of the month form, column 11 of
// the day form), as the instructions for adding a value show it, makes the
// potential what follows the comma up to column 20.
namespace daily_col {
inline constexpr ColumnField date{1, 10};
inline constexpr ColumnField potential{11, 20};  // MV
inline constexpr ColumnField month_form_comma{8, 8};
inline constexpr ColumnField day_form_comma{11, 11};
}  // namespace daily_col

struct MonthlyPotentialLine {
    long long month = 0;
    long long year = 0;
    std::int32_t mv = 0;
};

// A value of the daily file: month 0 is a yearly, day 0 a monthly value.
struct DailyPotential {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t mv = 0;
};

// How a daily line writes its date: "YYYY/MM/DD", "MM/YYYY", or
// "YYYY/MM/DD," with the potential after the comma.
enum class DailyForm { Day, Month, DayAndComma };

std::string monthly_potential_line(const MonthlyPotentialLine& line);
// nullopt when a field is not a whole number (the potential a 32-bit one).
std::optional<MonthlyPotentialLine> read_monthly_potential_line(const std::string& text);

std::string daily_potential_line(const DailyPotential& value, DailyForm form);
// nullopt when the date or the potential does not read as whole numbers.
std::optional<DailyPotential> read_daily_potential_line(const std::string& text);

}  // namespace tolv7
