// FORBUSH/FORBUSH.DAT: one Forbush decrease, hourly from 8 to 12 March 2012:
// a sharp drop to 0.88 from 11 h on 8 March, then a recovery towards 1.0.
// The layout has no header line.
#include <cmath>

#include "app/calendar.hpp"
#include "engine/forbush_layout.hpp"
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
    std::string text;
    for (int d = 0; d < kDays; ++d) {
        int day = kFirstDay + d;
        int day_of_year = days_before_month(kYear, kMonth) + day;
        for (int hour = 0; hour < 24; ++hour) {
            ForbushLine line{kYear, kMonth, day, hour, day_of_year, day_of_year + hour / 24.0,
                             (day_of_year - 1) * 24 + hour, event_factor(24.0 * d + hour)};
            text += forbush_line(line) + "\n";
        }
    }
    write_text_file(dir / "FORBUSH/FORBUSH.DAT", text);
}

}  // namespace tolv7::tree
