#include "engine/altitude_depth.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>

#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/engine_context.hpp"

namespace tolv7 {

namespace {

// Single-precision constants of the conversions, widened.
// The international foot: km in a thousand feet, and in one foot.
constexpr double kKmPerKft = 0.30480000376701355;
static_assert(kKmPerKft == double(0.3048f));
constexpr double kKmPerFoot = 0.00030479999259114265;
static_assert(kKmPerFoot == double(0.0003048f));
constexpr double kFeetPerKft = 1000.0;

// Bisection halves the gap at each pass, down to neighbouring doubles: some
// 60 passes for a crossing away from zero, about 1090 for one at zero (the
// gap goes down through the subnormals). The limit is far above either.
constexpr int kBisectionPasses = 4096;

// The last point from `inside_at` towards `outside_at` at which `inside`
// holds, given that it holds at the first and not at the second: the two
// end as neighbouring doubles.
template <class Inside>
double last_inside(double inside_at, double outside_at, const Inside& inside) {
    for (int pass = 0; pass < kBisectionPasses; ++pass) {
        double mid = inside_at + (outside_at - inside_at) / 2;
        if (mid == inside_at || mid == outside_at) break;
        (inside(mid) ? inside_at : outside_at) = mid;
    }
    return inside_at;
}

void read_table(AltitudeTable& t) {
    const std::string path = kAltitudeTableFile;
    t.loaded = false;
    t.stamp.take(path);
    std::ifstream in = open_existing(path);
    std::string header;
    for (int i = 1; i <= 2; ++i)
        if (!read_line(in, header)) stop_file_error(path, "ends in the header lines");
    std::vector<double> kft(kAltitudeRows);
    std::vector<double> depth(kAltitudeRows);
    int lines = 2;  // the file's own line numbers, for messages
    for (int row = 0; row < kAltitudeRows; ++row) {
        const int first_line = lines + 1;
        auto rec = read_free(in, 2, true, &lines);
        if (!rec)
            stop_file_error(path, "holds only " + std::to_string(row) + " of " + std::to_string(kAltitudeRows) +
                                      " altitude lines");
        auto where = [&] { return "line " + std::to_string(first_line); };
        auto altitude = rec->real(0);
        auto grams = rec->real(1);
        if (!altitude || !grams || !std::isfinite(*altitude) || !std::isfinite(*grams))
            stop_file_error(path, where() + " holds an unreadable number");
        if (row > 0 && !(*altitude > kft[static_cast<std::size_t>(row - 1)]))
            stop_file_error(path, where() + ": the altitude " + trim_right(rec->text(0, 20)) +
                                      " kft does not rise above the line before");
        // Depths that do not fall would turn the depth-to-altitude spline
        // over (or divide by a zero step), far from the line at fault.
        if (row > 0 && !(*grams < depth[static_cast<std::size_t>(row - 1)]))
            stop_file_error(path, where() + ": the depth " + trim_right(rec->text(1, 20)) +
                                      " g/cm2 does not fall below the line before");
        kft[static_cast<std::size_t>(row)] = *altitude;
        depth[static_cast<std::size_t>(row)] = *grams;
    }
    std::vector<double> feet(kft.size());
    for (std::size_t i = 0; i < kft.size(); ++i) feet[i] = kft[i] * kFeetPerKft;
    t.depth_at_feet = CubicSpline(std::move(feet), depth, kNaturalEnd, kNaturalEnd);
    t.kft_at_depth = GuardedSpline(depth, kft, kNaturalEnd, kNaturalEnd);
    t.kft = std::move(kft);
    t.depth = std::move(depth);
    t.bounds = altitude_bounds(t);
    t.loaded = true;
}

// An altitude or depth beyond the table: the fatal message on the console,
// and a stop whose own message gives the value and the table's limits.
[[noreturn]] void out_of_range(const EngineContext& p, const char* message, const std::string& detail) {
    epitath(p, message, detail);
}

// The table as it stands in the file now.
const AltitudeTable& current_table(const EngineContext& p) {
    AltitudeTable& t = p.engine.altitude;
    if (!p.engine.caching) t.loaded = false;
    if (!t.loaded || t.stamp.changed(kAltitudeTableFile)) read_table(t);
    return t;
}

}  // namespace

AltitudeBounds altitude_bounds(const AltitudeTable& t) {
    auto depth_at = [&](double feet) { return t.depth_at_feet(feet); };
    auto not_too_deep = [&](double feet) { return depth_at(feet) <= kHighestDepth; };
    auto not_too_thin = [&](double feet) { return depth_at(feet) >= kLowestDepth; };
    // The table's own altitudes within the fixed range, then its ends: where
    // the searches start from.
    std::vector<double> candidates;
    candidates.push_back(kLowestFeet);
    for (double kft : t.kft) {
        double feet = kft * kFeetPerKft;
        if (feet > kLowestFeet && feet < kHighestFeet) candidates.push_back(feet);
    }
    candidates.push_back(kHighestFeet);

    AltitudeBounds b;
    auto low = std::find_if(candidates.begin(), candidates.end(), not_too_deep);
    auto high = std::find_if(candidates.rbegin(), candidates.rend(), not_too_thin);
    if (low == candidates.end() || high == candidates.rend()) {
        b.usable = false;
        return b;
    }
    b.lowest = low == candidates.begin() ? kLowestFeet : last_inside(*low, kLowestFeet, not_too_deep);
    b.highest = high == candidates.rbegin() ? kHighestFeet : last_inside(*high, kHighestFeet, not_too_thin);
    b.usable = b.lowest <= b.highest && not_too_thin(b.lowest) && not_too_deep(b.highest);
    return b;
}

AltitudeBounds altitude_bounds(const EngineContext& p) {
    const AltitudeTable& t = current_table(p);
    if (!t.bounds.usable)
        stop_file_error(kAltitudeTableFile, "gives no altitude from -600 to 400000 ft a depth from 0.0001 to "
                                            "1035.0837 g/cm2");
    return t.bounds;
}

bool engine_takes(const EngineContext& p, char unit, double altitude) {
    if (unit == 'F') return altitude_bounds(p).holds(altitude);
    if (unit == 'K') return altitude_bounds(p).holds(km2feet(altitude));
    return altitude >= kLowestDepth && altitude <= kHighestDepth;
}

double ft2gpcms(const EngineContext& p, double feet) {
    const AltitudeTable& t = current_table(p);
    if (feet >= kLowestFeet && feet <= kHighestFeet) return t.depth_at_feet(feet);
    out_of_range(p, " FT ALTITUDE CONVERSION OUT OF RANGE ",
                 "altitude " + list_real_text(feet) + " ft is outside the table's -600 to 400000 ft");
}

double km(const EngineContext& p, double depth) {
    const AltitudeTable& t = current_table(p);
    if (depth >= kLowestDepth && depth <= kHighestDepth) return t.kft_at_depth(depth) * kKmPerKft;
    out_of_range(p, " ALTITUDE CONVERSION OUT OF RANGE ",
                 "depth " + list_real_text(depth) + " g/cm2 is outside the table's 0.0001 to 1035.0837 g/cm2");
}

double ft2km(double feet) { return feet * kKmPerFoot; }

double km2feet(double kilometres) { return kilometres / kKmPerFoot; }

double km2depth(const EngineContext& p, double kilometres) { return ft2gpcms(p, km2feet(kilometres)); }

}  // namespace tolv7
