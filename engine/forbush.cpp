#include "engine/forbush.hpp"

#include <cmath>

#include <fstream>

#include "app/calendar.hpp"
#include "app/console_echo.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/average_switches.hpp"
#include "engine/engine_context.hpp"
#include "engine/forbush_layout.hpp"

namespace tolv7 {

namespace {

constexpr int kFirstYear = 1957;
constexpr int kYears = 100;
constexpr std::size_t kFactors = static_cast<std::size_t>(kYears) * 12 * 31 * 24;

// Dates the table answers for (2056.999 in single precision is the last).
constexpr double kFirstDate = 1958.0;
constexpr double kLastDate = 2056.9990234375;
static_assert(kLastDate == double(2056.999f));

// Factors above 1.3 (single precision) are not trusted and count as 1.0.
constexpr double kLargestFactor = 1.2999999523162842;
static_assert(kLargestFactor == double(1.3f));

bool in_table(long long year, long long month, long long day, long long hour) {
    return year >= kFirstYear && year < kFirstYear + kYears && month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
           hour >= 0 && hour <= 23;
}

// Place of (year, month, day, hour), year varying fastest and hour slowest.
std::size_t fd_index(long long year, long long month, long long day, long long hour) {
    return static_cast<std::size_t>((year - kFirstYear) + kYears * ((month - 1) + 12 * ((day - 1) + 31 * hour)));
}

double usable(double factor) { return factor > kLargestFactor ? 1.0 : factor; }

double stored_factor(const std::vector<double>& fddata, const CalendarDate& d, int hour) {
    if (fddata.size() != kFactors || !in_table(d.year, d.month, d.day, hour)) return 1.0;
    return fddata[fd_index(d.year, d.month, d.day, hour)];
}

}  // namespace

void loadforbush(const EngineContext& p) {
    std::vector<double>& fddata = p.engine.fddata;
    fddata.assign(kFactors, 1.0);
    p.con.line(ListLine() << "Loading Forbush data");
    const std::string path = os_path(p.set.init, "FORBUSH", "FORBUSH.DAT");
    std::ifstream in = open_existing(path);
    std::string line;
    long long number = 0;
    while (read_line(in, line)) {
        ++number;
        auto f = read_forbush_line(line);
        if (!f)
            stop_file_error(path, "line " + std::to_string(number) + " \"" + line + "\" cannot be read as Forbush data");
        // An hour outside the table (a blank line reads as year 0) is skipped.
        if (!in_table(f->year, f->month, f->day, f->hour)) continue;
        if (!(f->factor > 0.0) || !std::isfinite(f->factor))
            stop_file_error(path, "line " + std::to_string(number) + ": the Forbush factor \"" +
                                      column_text(line, forbush_col::factor) + "\" is not above 0");
        fddata[fd_index(f->year, f->month, f->day, f->hour)] = f->factor;
    }
}

void forbush(const EngineContext& p, double date, std::span<double> flux, double& factor) {
    factor = 1.0;
    if (!(date >= kFirstDate && date <= kLastDate)) {
        echo_line(p.con, p.log, ListLine() << "Date is out of range for Forbush data");
        echo_line(p.con, p.log, ListLine() << "Warning: FORBUSH FACTOR IS ASSUMED AS " << 1.0);
        return;
    }
    const auto& aves = p.engine.useaves;
    if (switch_set(aves[0]) || switch_set(aves[1])) {
        p.log.call_line(ListLine() << " Date is a monthly or yearly average, no FDs");
        p.log.call_line(ListLine() << "Monthly average, FORBUSH correction:" << 1.0);
        return;
    }
    CalendarDate d = dates(date);
    if (switch_set(aves[2])) {
        double sum = 0.0;
        for (int hour = 0; hour < 24; ++hour) sum += usable(stored_factor(p.engine.fddata, d, hour));
        factor = sum / 24.0;
    } else {
        factor = usable(stored_factor(p.engine.fddata, d, d.hour));
    }
    p.log.call_line(ListLine() << "FORBUSH correction is:" << factor);
    for (double& value : flux) value *= factor;
}

}  // namespace tolv7
