#pragma once
// Dates as the runs hand them to the models: a decimal year formed from a
// calendar day and hour.
#include "app/calendar.hpp"

namespace tolv7::test {

inline double decimal_year(int year, int month, int day, int hour) {
    return year + dsf(year, month, day, hour) / diy(year);
}

}  // namespace tolv7::test
