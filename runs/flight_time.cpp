#include "runs/flight_time.hpp"

#include "app/calendar.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

std::optional<double> flight_start(const RunContext& p, const std::string& ymd, int hour, int minute) {
    auto date = date2ymd(ymd);
    if (!date || !possible_date(*date)) return std::nullopt;
    p.engine.useaves = average_switches(date->month == 0, date->day == 0, hour == 0 && minute == 0);
    float minutes = static_cast<float>(minute) * static_cast<float>(kMinuteYears);
    return decimal_year(date->year, date->month, date->day, hour) + static_cast<double>(minutes);
}

}  // namespace tolv7
