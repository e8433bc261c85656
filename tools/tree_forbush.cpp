// FORBUSH/FORBUSH.DAT: one Forbush decrease, hourly from 8 to 12 March 2012:
// a sharp drop to 0.88 from 11 h on 8 March, then a recovery towards 1.0.
// The layout has no header line.
#include <cmath>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::tree {

namespace {

constexpr int kYear = 2012;
constexpr int kMonth = 3;
constexpr int kFirstDay = 8;
constexpr int kDays = 5;
constexpr double kOnsetHour = 11.0;  // hours after the first day's 0 h
constexpr double kDropHours = 9.0;   // onset to the deepest point
constexpr double kDepth = 0.12;      // 12 % below the undisturbed intensity
constexpr double kRecoveryHours = 30.0;

double event_factor(double hours) {
    if (hours <= kOnsetHour) return 1.0;
    double since = hours - kOnsetHour;
    if (since <= kDropHours) return 1.0 - kDepth * since / kDropHours;
    return 1.0 - kDepth * std::exp(-(since - kDropHours) / kRecoveryHours);
}

}  // namespace

void write_forbush(const fs::path& dir, const TreeOptions&) {
    // Columns: year, month, day, hour (I4 each), day of the year (I4), the
    // decimal day of the year (F10.4), the hour of the year (I6), factor (F10.4).
    std::string text;
    for (int d = 0; d < kDays; ++d) {
        int day = kFirstDay + d;
        int day_of_year = days_before_month(kYear, kMonth) + day;
        for (int hour = 0; hour < 24; ++hour) {
            double factor = event_factor(24.0 * d + hour);
            text += fmt_i(kYear, 4) + fmt_i(kMonth, 4) + fmt_i(day, 4) + fmt_i(hour, 4) + fmt_i(day_of_year, 4) +
                    fmt_f(day_of_year + hour / 24.0, 10, 4) + fmt_i((day_of_year - 1) * 24 + hour, 6) +
                    fmt_f(factor, 10, 4) + "\n";
        }
    }
    write_text_file(dir / "FORBUSH/FORBUSH.DAT", text);
}

}  // namespace tolv7::tree
