#pragma once
// The line layout of FORBUSH/FORBUSH.DAT (no heading line): one hour a line,
// integers right-aligned. The Forbush loader and the data tree tool both
// work through this table.
#include <optional>
#include <string>

#include "app/fixed_columns.hpp"

namespace tolv7 {

namespace forbush_col {
inline constexpr ColumnField year{1, 4};
inline constexpr ColumnField month{5, 8};
inline constexpr ColumnField day{9, 12};
inline constexpr ColumnField hour{13, 16};          // 0-23
inline constexpr ColumnField day_of_year{17, 20};   // not used by the model
inline constexpr ColumnField decimal_day{21, 30, 4};  // day of the year and hour as a day; not used
inline constexpr ColumnField hour_of_year{31, 36};  // not used by the model
inline constexpr ColumnField factor{37, 46, 4};     // the Forbush factor
}  // namespace forbush_col

// One line: the hour it names, the three columns the model does not use,
// and the factor.
struct ForbushLine {
    long long year = 0;
    long long month = 0;
    long long day = 0;
    long long hour = 0;
    long long day_of_year = 0;
    double decimal_day = 0.0;
    long long hour_of_year = 0;
    double factor = 1.0;
};

// The line's text (46 columns, no line end).
std::string forbush_line(const ForbushLine& line);

// The fields of a line; nullopt when one of them is not a number.
std::optional<ForbushLine> read_forbush_line(const std::string& text);

}  // namespace tolv7
