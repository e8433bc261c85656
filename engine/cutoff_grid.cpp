#include "engine/cutoff_grid.hpp"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/console_routines.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/engine_context.hpp"

namespace tolv7 {

namespace {

constexpr int kNoLatitude = INT_MIN;
constexpr std::size_t kGridLines = static_cast<std::size_t>(kGridPages) * kGridPageLines;

// The latitude held by each line of a page (1-based), kNoLatitude for the
// heading and separator lines.
const std::array<int, kGridPageLines + 1>& page_latitudes() {
    static const auto table = [] {
        std::array<int, kGridPageLines + 1> t{};
        t.fill(kNoLatitude);
        for (int lat = -89; lat <= 90; ++lat) t[static_cast<std::size_t>(vmcrline(lat))] = lat;
        return t;
    }();
    return table;
}

std::size_t value_index(int page, int line, int column) {
    return ((static_cast<std::size_t>(page - 1) * kGridPageLines + static_cast<std::size_t>(line - 1)) *
            kGridColumns) +
           static_cast<std::size_t>(column);
}

// One F6.2 value of a latitude line. A plain field ("  12.34", "-0.50")
// is converted directly; anything else goes through the general reader,
// which gives the same value for the plain ones.
std::optional<double> grid_value(const std::string& line, int first) {
    auto start = static_cast<std::size_t>(first - 1);
    if (start + 6 <= line.size()) {
        std::string_view field(line.data() + start, 6);
        std::size_t i = field.find_first_not_of(' ');
        std::size_t point = field.find('.');
        if (i != std::string_view::npos && point != std::string_view::npos && point > i &&
            field.find(' ', i) == std::string_view::npos) {
            double value = 0.0;
            auto [end, ec] = std::from_chars(field.data() + i, field.data() + field.size(), value);
            if (ec == std::errc() && end == field.data() + field.size()) return value;
        }
    }
    return Columns(line).real(first, first + 5, 2);
}

}  // namespace

int vmcrpage(int longitude) { return longitude / 20 + 1; }

int vmcrcol(int longitude) {
    int column = longitude % 20;
    return column < 0 ? column + 20 : column;
}

int vmcrline(int latitude) {
    // Line of latitude L is c - L, c rising by one per 10-degree band from
    // the north, with a gap of six lines between the four blocks of a page.
    static constexpr int kNorth[9] = {108, 107, 106, 105, 99, 98, 97, 96, 95};   // 0-9 ... 80-89
    static constexpr int kSouth[9] = {114, 115, 116, 117, 123, 124, 125, 126, 127};  // -1..-9 ... -80..-89
    if (latitude == 90) return 95 - 90;
    if (latitude >= 0 && latitude < 90) return kNorth[latitude / 10] - latitude;
    if (latitude < 0 && latitude >= -89) return kSouth[-latitude / 10] - latitude;
    return 0;
}

double vmcr(const CutoffGrid& grid, int latitude, int longitude) {
    int page = vmcrpage(longitude);
    int line = vmcrline(latitude);
    if (longitude < 0 || page > kGridPages || line < 1) return 0.0;
    std::size_t i = value_index(page, line, vmcrcol(longitude));
    return i < grid.values.size() ? grid.values[i] : 0.0;
}

double boxinterp(double c11, double c12, double c21, double c22, double fx, double fy) {
    return (c11 * (1.0 - fx) + c12 * fx) * (1.0 - fy) + (c21 * (1.0 - fx) + c22 * fx) * fy;
}

// Mean radius of the Earth in km, from which the grid altitudes are counted.
constexpr double kEarthRadiusKm = 6371.0;
// Power of the distance from the Earth's centre by which the cutoff falls
// with altitude (a dipole field gives 2); a single-precision model constant.
constexpr double kAltitudeExponent = 2.0353000164031982;
static_assert(kAltitudeExponent == double(2.0353f));
// Below this altitude (km) a grid value is used as it stands.
constexpr double kLowestScaledKm = 20.0;

double vcaltadj(int grid, double altitude_km) {
    if (altitude_km < kLowestScaledKm) return 1.0;
    return std::pow(TABLEKM[static_cast<std::size_t>(grid - 1)] + kEarthRadiusKm, kAltitudeExponent) /
           std::pow(altitude_km + kEarthRadiusKm, kAltitudeExponent);
}

CutoffGrid parse_cutoff_grid(std::istream& in, const std::string& file_name) {
    CutoffGrid grid;
    grid.values.assign(kGridLines * kGridColumns, 0.0);
    const auto& latitudes = page_latitudes();
    std::string text;
    for (std::size_t n = 1; n <= kGridLines; ++n) {
        if (!read_line(in, text))
            stop_file_error(file_name, "ends at line " + std::to_string(n - 1) + ", before line " +
                                           std::to_string(kGridLines) + " of the grid");
        int page = static_cast<int>((n - 1) / kGridPageLines) + 1;
        int line = static_cast<int>((n - 1) % kGridPageLines) + 1;
        if (latitudes[static_cast<std::size_t>(line)] == kNoLatitude) continue;
        Columns fields(text);
        bool readable = fields.integer(1, 5).has_value();
        for (int k = 0; k < kGridColumns && readable; ++k) {
            auto value = grid_value(text, 8 + 6 * k);
            readable = value.has_value();
            if (readable && (!std::isfinite(*value) || *value < 0.0))
                stop_file_error(file_name, "line " + std::to_string(n) + ": the cutoff \"" +
                                               column_text(text, 8 + 6 * k, 13 + 6 * k) + "\" is below 0 or not a number");
            if (readable) grid.values[value_index(page, line, k)] = *value;
        }
        if (!readable) stop_file_error(file_name, "line " + std::to_string(n) + " cannot be read as a cutoff line");
    }
    return grid;
}

double readvc(const EngineContext& p, const CutoffGrid& grid, double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        epitath(p, "Cutoff lookup: latitude or longitude is not a number",
                "cutoff lookup: latitude " + list_real_text(latitude) + ", longitude " + list_real_text(longitude) +
                    ": both must be finite numbers");

    // Bracketing latitude rows; beyond 89 degrees both are the 89 row.
    int sign = latitude >= 0.0 ? 1 : -1;
    double a = std::fabs(latitude);
    int lat1 = sign * 89;
    int lat2 = lat1;
    if (a < 89.0) {
        int whole = static_cast<int>(a);
        lat1 = sign * whole;
        lat2 = sign * (whole + 1);
    }

    // Longitude into [0, 360); a value a hair below 0 rounds up to 360 when
    // wrapped and then means 0.
    double lon = std::fmod(longitude, 360.0);
    if (lon < 0.0) lon += 360.0;
    if (lon >= 360.0) lon = 0.0;
    lon += 0.0;  // no negative zero
    int lon1 = static_cast<int>(lon);
    int lon2 = lon1 == 359 ? 0 : lon1 + 1;

    double c11 = vmcr(grid, lat1, lon1);
    double c12 = vmcr(grid, lat1, lon2);
    double c21 = vmcr(grid, lat2, lon1);
    double c22 = vmcr(grid, lat2, lon2);
    double fx = lon - lon1;
    double fy = a - std::abs(lat1);
    return boxinterp(c11, c12, c21, c22, fx, fy);
}

}  // namespace tolv7
