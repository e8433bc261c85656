#include "runs/flight_altitudes.hpp"

#include <algorithm>

#include "app/check_log.hpp"
#include "app/fortran_format.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

ListLine& operator<<(ListLine& line, const WrittenAltitude& a) {
    line << a.name;
    if (a.number != 0) line << a.number;
    return line << a.feet << "FEET";
}

}  // namespace

std::optional<std::size_t> check_flight_altitudes(const RunContext& p, const std::vector<WrittenAltitude>& written,
                                                  const AltitudeBounds& bounds) {
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i].feet > bounds.highest) {
            ListLine line;
            line << "ALTITUDE ABOVE THE DEPTH TABLE: " << written[i] << ", HIGHEST" << bounds.highest << "FEET";
            p.log.line(line);
            return i;
        }
    }
    ListLine line;
    line << "ALTITUDE BELOW THE DEPTH TABLE: ";
    bool below = false;
    for (const WrittenAltitude& a : written) {
        if (a.feet >= bounds.lowest) continue;
        if (below) line << ", ";
        line << a;
        below = true;
    }
    if (below) p.log.line(line << ", COMPUTED AT" << bounds.lowest << "FEET");
    return std::nullopt;
}

double flown_feet(const AltitudeBounds& bounds, double feet) { return std::clamp(feet, bounds.lowest, bounds.highest); }

}  // namespace tolv7
