#include "engine/kp_adjust.hpp"

#include <cmath>
#include <fstream>
#include <optional>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/engine_context.hpp"
#include "engine/findcut.hpp"

namespace tolv7 {

namespace {

std::int64_t date_key(std::int64_t year, std::int64_t month, std::int64_t day) {
    return year * 10000 + month * 100 + day;
}

// Reads the Kp file again when it changed since the last reading (always
// when caching is off). A missing file, or one without its heading line,
// stops the program.
const KpIndexFile& kp_index(const EngineContext& p) {
    KpIndexFile& kp = p.engine.kp_index;
    if (p.engine.caching && kp.loaded && !kp.stamp.changed(kKpIndexFile)) return kp;
    KpIndexFile fresh;
    fresh.stamp.take(kKpIndexFile);  // before reading: an edit meanwhile shows at the next use
    std::ifstream in = open_existing(kKpIndexFile);
    std::string line;
    if (!read_line(in, line)) stop_file_error(kKpIndexFile, "has no heading line");
    for (long n = 2; read_line(in, line); ++n) {
        auto day = read_kp_day_line(line);
        if (!day) {
            fresh.unreadable = "line " + std::to_string(n) + " \"" + line + "\" cannot be read as a Kp day";
            break;
        }
        fresh.first_of_date.try_emplace(date_key(day->year, day->month, day->day), fresh.days.size());
        fresh.days.push_back(*day);
    }
    fresh.loaded = true;
    kp = std::move(fresh);
    return kp;
}

// Kp of the date with its log lines; nullopt for an average date.
std::optional<int> date_kp(const EngineContext& p, double date) {
    if (average_date(p.engine.useaves)) {
        cutoff_log_line(p, ListLine() << "SKIPPED KP BASED ADJUSTMENT, TIME SCALE TOO LONG");
        return std::nullopt;
    }
    const KpIndexFile& file = kp_index(p);
    CalendarDate d = dates(date);
    int interval = d.hour / 3 + 1;  // 1-8: the split carries hour 24 to the next day
    if (auto found = file.first_of_date.find(date_key(d.year, d.month, d.day)); found != file.first_of_date.end()) {
        const KpDay& day = file.days[found->second];
        int kp = day.kp[static_cast<std::size_t>(interval - 1)];
        cutoff_log_line(p, "Found Kp=" + fmt_i(kp, 2) + " for " + fmt_i(d.year, 4) + fmt_i(d.month, 3) +
                               fmt_i(d.day, 3) + " at " + fmt_i(d.hour, 2) + " h");
        return kp;
    }
    // The date lies beyond a line that cannot be read: the reader stops there.
    if (!file.unreadable.empty()) stop_file_error(kKpIndexFile, file.unreadable);
    cutoff_log_line(p, ListLine() << "Digiyear" << date);
    cutoff_log_line(p, ListLine() << "Year:" << d.year);
    cutoff_log_line(p, ListLine() << "Month:" << d.month);
    cutoff_log_line(p, ListLine() << "Day:" << d.day);
    cutoff_log_line(p, ListLine() << "Hour:" << d.hour);
    cutoff_log_line(p, ListLine() << "Kp index not found in database for this date");
    cutoff_log_line(p, ListLine() << "Using standard, quiet conditions (Kp=0-4)   ");
    return 0;
}

}  // namespace

namespace {

// Storm model of the cutoff (GV): from Kp 5 on, Rc becomes
// (Rc + 1 - kStormShift exp(-Rc / kStormScale)) / 2; single-precision values.
constexpr int kStormKp = 5;
constexpr double kStormShift = 0.5400000214576721;
static_assert(kStormShift == double(0.54f));
constexpr double kStormScale = 2.9000000953674316;
static_assert(kStormScale == double(2.9f));

}  // namespace

double storm_cutoff(double rc, int kp) {
    if (kp < kStormKp) return rc;
    return 0.5 * (rc + 1.0 - kStormShift * std::exp(-rc / kStormScale));
}

int getkp(const EngineContext& p, double date) { return date_kp(p, date).value_or(0); }

double anid(const EngineContext& p, double rc, double date) {
    auto kp = date_kp(p, date);
    return kp ? storm_cutoff(rc, *kp) : rc;
}

}  // namespace tolv7
