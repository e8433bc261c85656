#pragma once
// The layout of KP_INDEX/KP_INDEX.TXT: a heading line, then one UT day a
// line. The Kp reader and the data tree tool both work through this table.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/fixed_columns.hpp"

namespace tolv7 {

inline constexpr int kKpIntervals = 8;  // three-hour intervals of a day, 00-03 UT first

namespace kp_col {
inline constexpr ColumnField year{1, 4};
inline constexpr ColumnField month{5, 6};
inline constexpr ColumnField day{7, 8};
// Interval s (1-8): a sign mark (not used), then the Kp digit 0-9.
constexpr ColumnField mark(int s) { return {7 + 2 * s, 7 + 2 * s}; }
constexpr ColumnField digit(int s) { return {8 + 2 * s, 8 + 2 * s}; }
inline constexpr ColumnField note{25, 55};  // not used
}  // namespace kp_col

// One day line: its date and the Kp digit of each three-hour interval.
struct KpDay {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::array<std::int32_t, kKpIntervals> kp{};
};

// The line of a day, with the sign mark of each interval and the note text.
std::string kp_day_line(const KpDay& day, const std::array<char, kKpIntervals>& marks, const std::string& note);

// The date and digits of a day line; nullopt when one is not a number.
std::optional<KpDay> read_kp_day_line(const std::string& line);

}  // namespace tolv7
