// SOLARMOD: the monthly potential table and a short file of day, month and
// year values. Neither layout has a header line.
#include <cmath>
#include <numbers>

#include "engine/potential_layouts.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::tree {

namespace {

// An 11-year solar cycle: about 1200 MV at the maxima (1958.2, 1969.2, ...)
// and 300 MV at the minima, in whole MV.
int cycle_potential(double t) {
    constexpr double kMaximum = 1958.2;
    constexpr double kPeriod = 11.0;
    return static_cast<int>(std::lround(750.0 + 450.0 * std::cos(2.0 * std::numbers::pi * (t - kMaximum) / kPeriod)));
}

int month_potential(int year, int month) { return cycle_potential(year + (month - 0.5) / 12.0); }

std::string monthly_line(int year, int month, int mv) {
    return monthly_potential_line({month, year, mv}) + "\n";
}

std::string daily_line(int year, int month, int day, int mv, DailyForm form = DailyForm::Day) {
    return daily_potential_line({year, month, day, mv}, form) + "\n";
}
std::string month_year_line(int month, int year, int mv) {
    return daily_potential_line({year, month, 0, mv}, DailyForm::Month) + "\n";
}

}  // namespace

void write_solar_modulation(const fs::path& dir, const TreeOptions& o) {
    std::string monthly;
    std::string daily;
    if (o.constant_potential_mv != 0) {
        // One potential for every date 1951-2100: the table holds every
        // month, the daily file every yearly average.
        for (int year = 1951; year <= 2100; ++year) {
            for (int month = 1; month <= 12; ++month) monthly += monthly_line(year, month, o.constant_potential_mv);
            daily += month_year_line(0, year, o.constant_potential_mv);
        }
    } else {
        for (int year = 1951; year <= 2030; ++year)
            for (int month = 1; month <= 12; ++month) monthly += monthly_line(year, month, month_potential(year, month));
        // A few days around the Forbush event of March 2012, one of them in
        // the form the instructions show (a comma after the date), then a
        // month/year value, a year/month/00 value and a yearly value.
        int march = month_potential(2012, 3);
        daily += daily_line(2012, 3, 7, march - 12);
        daily += daily_line(2012, 3, 8, march + 25);
        daily += daily_line(2012, 3, 9, march + 60, DailyForm::DayAndComma);
        daily += daily_line(2012, 3, 10, march + 40);
        daily += daily_line(2012, 3, 11, march + 18);
        daily += month_year_line(6, 2020, month_potential(2020, 6) + 15);
        daily += daily_line(2021, 7, 0, month_potential(2021, 7) - 20);
        int sum = 0;
        for (int month = 1; month <= 12; ++month) sum += month_potential(2015, month);
        daily += month_year_line(0, 2015, static_cast<int>(std::lround(sum / 12.0)));
    }
    write_text_file(dir / "SOLARMOD/MV-DATES.L99", monthly);
    write_text_file(dir / "SOLARMOD/MORDATES.2K", daily);
}

}  // namespace tolv7::tree
