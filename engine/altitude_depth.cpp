#include "engine/altitude_depth.hpp"

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
// Depths (g/cm2) the table answers for: from near the top of the atmosphere
// to the sea-level depth of the table.
constexpr double kLowestDepth = 9.999999747378752e-5;
static_assert(kLowestDepth == double(1.0e-4f));
constexpr double kHighestDepth = 1035.083740234375;
static_assert(kHighestDepth == double(1035.0837f));
// Altitudes (ft) the table answers for.
constexpr double kFeetPerKft = 1000.0;
constexpr double kLowestFeet = -600.0;
constexpr double kHighestFeet = 400000.0;

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
        kft[static_cast<std::size_t>(row)] = *altitude;
        depth[static_cast<std::size_t>(row)] = *grams;
    }
    std::vector<double> feet(kft.size());
    for (std::size_t i = 0; i < kft.size(); ++i) feet[i] = kft[i] * kFeetPerKft;
    t.depth_at_feet = CubicSpline(std::move(feet), depth, kNaturalEnd, kNaturalEnd);
    t.kft_at_depth = GuardedSpline(depth, kft, kNaturalEnd, kNaturalEnd);
    t.kft = std::move(kft);
    t.depth = std::move(depth);
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

double km2depth(const EngineContext& p, double kilometres) { return ft2gpcms(p, kilometres / kKmPerFoot); }

}  // namespace tolv7
