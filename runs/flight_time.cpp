#include "runs/flight_time.hpp"

#include "app/calendar.hpp"
#include "app/program.hpp"

namespace tolv7 {

std::optional<double> flight_start(Program& p, const std::string& ymd, int hour, int minute) {
    auto date = date2ymd(ymd);
    if (!date || !possible_date(*date)) return std::nullopt;
    auto& aves = p.engine.useaves;
    aves[0] = date->month == 0 ? -1 : 0;
    aves[1] = date->day == 0 ? -1 : 0;
    aves[2] = hour == 0 && minute == 0 ? -1 : 0;
    double year_length = leap(date->year) ? 366.0 : 365.0;
    float minutes = static_cast<float>(minute) * static_cast<float>(kMinuteYears);
    return (date->year + dsf(date->year, date->month, date->day, hour) / year_length) +
           static_cast<double>(minutes);
}

}  // namespace tolv7
