#include "engine/helio_potential.hpp"

#include <cmath>
#include <fstream>
#include <optional>

#include "app/console_echo.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/engine_context.hpp"
#include "engine/potential_layouts.hpp"

namespace tolv7 {

namespace {

constexpr std::int32_t kYears = 2100;
constexpr std::int32_t kMonths = 12;

bool in_table(long long year, long long month) {
    return year >= 1 && year <= kYears && month >= 1 && month <= kMonths;
}

// Place of (year, month) in the table, year varying fastest.
std::size_t table_index(std::int32_t year, std::int32_t month) {
    return static_cast<std::size_t>(year - 1) + static_cast<std::size_t>(kYears) * static_cast<std::size_t>(month - 1);
}

std::int32_t table_value(const MvDates& mv, std::int32_t year, std::int32_t month) {
    if (!in_table(year, month) || mv.table.empty()) return 0;
    return mv.table[table_index(year, month)];
}

// The mean of the year's monthly table entries (those not 0), rounded to
// whole MV, and how many there are; nullopt when the year has none.
struct YearlyMean {
    std::int32_t mv = 0;
    int months = 0;
};

std::optional<YearlyMean> yearly_mean(const MvDates& mv, std::int32_t year) {
    long long sum = 0;
    int months = 0;
    for (std::int32_t month = 1; month <= kMonths; ++month) {
        std::int32_t value = table_value(mv, year, month);
        if (value == 0) continue;
        sum += value;
        ++months;
    }
    if (months == 0) return std::nullopt;
    return YearlyMean{static_cast<std::int32_t>(std::lround(static_cast<double>(sum) / months)), months};
}

// The daily file's lines up to the first one that cannot be read. The file
// is parsed again only when it changed (always, when caching is off); a
// missing file stops the program.
const std::vector<EngineRecords::DailyPotential>& daily_potentials(const EngineContext& p) {
    auto& daily = p.engine.daily_potentials;
    std::string path = os_path(p.set.init, "SOLARMOD", "MORDATES.2K");
    if (!p.engine.caching || daily.path != path) daily.stamp.clear();
    if (!daily.stamp.changed(path)) return daily.lines;
    // Opened for this reading only, so that an editor may save the file
    // between look-ups. The stamp is taken before reading, so a change made
    // while reading is seen at the next lookup.
    std::ifstream in = open_existing(path);
    daily.stamp.take(path);
    daily.path = path;
    daily.lines.clear();
    std::string line;
    while (read_line(in, line)) {
        auto entry = read_daily_potential_line(line);
        if (!entry) break;
        daily.lines.push_back(*entry);
    }
    return daily.lines;
}

}  // namespace

void load_hp(const EngineContext& p) {
    echo_line(p.con, p.log, ListLine() << "Loading TOLV-6 heliocentric potential data");
    MvDates& mv = p.engine.mvdates;
    mv.table.assign(static_cast<std::size_t>(kYears) * kMonths, 0);
    const std::string path = "SOLARMOD/MV-DATES.L99";
    std::ifstream in = open_existing(path);
    std::string line;
    long long number = 0;
    bool usable = false;
    while (read_line(in, line)) {
        ++number;
        auto entry = read_monthly_potential_line(line);
        if (!entry)
            stop_file_error(path, "line " + std::to_string(number) + " \"" + line +
                                      "\" cannot be read as month/year,potential");
        // A line dated outside the table (a blank line reads as month 0,
        // year 0) has no place in it and is not the most recent entry.
        if (!in_table(entry->year, entry->month)) continue;
        auto y = static_cast<std::int32_t>(entry->year);
        auto m = static_cast<std::int32_t>(entry->month);
        mv.table[table_index(y, m)] = entry->mv;
        mv.last_year = y;
        mv.last_month = m;
        usable = true;
    }
    if (number == 0)
        stop_file_error(path, "is empty: it needs at least one line month/year,potential (such as 12/2020,    1345)");
    if (!usable)
        stop_file_error(path, "none of its " + std::to_string(number) +
                                  " lines holds a month 1-12 of a year 1-2100 with a potential");
    p.log.line(ListLine() << "Finished HP read");
}

std::int32_t date2hp(const EngineContext& p, std::int32_t year, std::int32_t month, std::int32_t day) {
    for (const auto& entry : daily_potentials(p))
        if (entry.year == year && entry.month == month && entry.day == day) return entry.mv;
    const MvDates& mv = p.engine.mvdates;
    std::int32_t value = table_value(mv, year, month);
    if (value != 0) return value;
    if (month == 0) {
        if (auto mean = yearly_mean(mv, year)) {
            p.log.line(ListLine() << "No yearly potential found for" << year << " using the mean of its" << mean->months
                                  << " monthly values:" << mean->mv);
            return mean->mv;
        }
    }
    std::int32_t recent = table_value(mv, mv.last_year, mv.last_month);
    p.log.line(ListLine() << "WARNING: No data potential found for" << year << month);
    p.log.line(ListLine() << "Using most recent heliocentric potential:" << recent);
    return recent;
}

}  // namespace tolv7
