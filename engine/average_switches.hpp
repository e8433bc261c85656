#pragma once
// The average switches `useaves` that a run sets for a date: a date without
// its month stands for a yearly average, without its day for a monthly one,
// without its hour for a daily one. The storm and Forbush models skip or
// average what such a date does not name.
#include <array>
#include <cstdint>

namespace tolv7 {

// Yearly, monthly and daily switch; a set switch is odd (the runs write -1).
using AverageSwitches = std::array<std::int32_t, 3>;

inline constexpr std::int32_t kSwitchSet = -1;

inline bool switch_set(std::int32_t s) { return (s & 1) != 0; }

// The switches of a date: only those given as true are set.
inline AverageSwitches average_switches(bool yearly, bool monthly, bool daily) {
    return {yearly ? kSwitchSet : 0, monthly ? kSwitchSet : 0, daily ? kSwitchSet : 0};
}

// Sets the switches given as true and leaves the others as they are.
inline void add_average_switches(AverageSwitches& switches, bool yearly, bool monthly, bool daily) {
    AverageSwitches added = average_switches(yearly, monthly, daily);
    for (std::size_t i = 0; i < switches.size(); ++i)
        if (added[i] != 0) switches[i] = added[i];
}

// True when a run marked the date as a yearly, monthly or daily average.
inline bool average_date(const AverageSwitches& switches) {
    for (std::int32_t s : switches)
        if (switch_set(s)) return true;
    return false;
}

}  // namespace tolv7
