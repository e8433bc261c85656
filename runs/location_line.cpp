#include "runs/location_line.hpp"

#include <array>
#include <optional>

#include "app/calendar.hpp"
#include "app/conversions.hpp"
#include "app/fixed_columns.hpp"
#include "app/text_lines.hpp"
#include "engine/shower_library.hpp"
#include "runs/place_limits.hpp"

namespace tolv7 {

namespace {

// A numeric field between two commas: real when it holds a point, else an
// integer; an empty field gives 0.
std::optional<double> number_between(const std::string& line, int left_comma, int right_comma) {
    std::string field = column_text(line, left_comma + 1, right_comma - 1);
    int n = static_cast<int>(field.size());
    if (field.find('.') != std::string::npos) return char2real(field, n);
    auto value = char2int(field, n);
    if (!value) return std::nullopt;
    return static_cast<double>(*value);
}

// The integer in `width` columns after the marker letter, or nullopt.
std::optional<int> after_marker(const std::string& line, char marker, bool last, int width) {
    std::size_t at = last ? line.rfind(marker) : line.find(marker);
    if (at == std::string::npos) return std::nullopt;
    int col = static_cast<int>(at) + 1;
    std::string field = column_text(line, col + 1, col + width);
    auto value = char2int(field, width);
    if (!value) return std::nullopt;
    return *value;
}

int commas_after_first_column(const std::string& line) {
    int count = 0;
    for (std::size_t i = 1; i < line.size(); ++i)
        if (line[i] == ',') ++count;
    return count;
}

// The date text: 4 columns before the first "/" to 5 after it, written as
// YYYY/MM/DD.
bool read_date(const std::string& line, LocationLine& out) {
    std::size_t slash = line.find('/');
    if (slash == std::string::npos || slash < 4) return false;
    int col = static_cast<int>(slash) + 1;
    out.ymd = column_text(line, col - 4, col + 5);
    if (out.ymd[7] != '/') return false;  // month-first dates are not read
    auto date = date2ymd(out.ymd);  // the first slash is in column 5: the day form
    if (!date) return false;
    out.year = date->year;
    out.month = date->month;
    out.day = date->day;
    return possible_date(CalendarDate{out.year, out.month, out.day, 0});
}

LocationLine improper() { return LocationLine{}; }

}  // namespace

LocationLine parse_location_line(const std::string& text) {
    std::string line = text.substr(0, kLocationLineWidth);
    LocationLine out;
    char first = line.empty() ? ' ' : line[0];
    if (first == '!') {
        out.kind = LocationKind::Comment;
        return out;
    }
    bool coordinates = first == 'N' || first == 'S';
    bool airport = first == 'A' || first == 'a';
    if (!coordinates && !airport) return improper();
    out.kind = coordinates ? LocationKind::Coordinates : LocationKind::Airport;

    int needed = coordinates ? 6 : 4;
    if (commas_after_first_column(line) < needed) return improper();
    std::array<int, 10> comma = findcommas(line, kLocationLineWidth);

    if (!read_date(line, out)) return improper();
    auto hour = after_marker(line, 'H', airport, 2);
    auto particle = after_marker(line, 'P', airport, 2);
    auto quantity = after_marker(line, 'D', airport, 1);
    if (!hour || !particle || !quantity) return improper();
    if (*particle < 0 || *particle > 37 || *quantity < 1 || *quantity > kDoseQuantities) return improper();
    if (*hour < 0 || *hour > kLastHour) return improper();
    out.hour = *hour;
    out.particle = *particle == 0 ? 38 : *particle;
    out.quantity = *quantity;

    auto char_before = [&](int comma_number) {
        return column_text(line, comma[static_cast<std::size_t>(comma_number - 1)] - 1,
                           comma[static_cast<std::size_t>(comma_number - 1)] - 1)[0];
    };
    auto field = [&](int left) { return number_between(line, comma[static_cast<std::size_t>(left - 1)],
                                                         comma[static_cast<std::size_t>(left)]); };
    std::optional<double> altitude;
    if (coordinates) {
        out.ns = first;
        auto latitude = field(1);
        out.ew = char_before(3);
        auto longitude = field(3);
        out.unit = char_before(5);
        altitude = field(5);
        if (!latitude || !longitude || !possible_latitude(*latitude) || !possible_longitude(*longitude))
            return improper();
        out.latitude = *latitude;
        out.longitude = *longitude;
    } else {
        std::string code = column_text(line, comma[0] + 1, comma[1] - 1);
        out.icao = pad_to(trim(code), 6);
        out.unit = char_before(3);
        altitude = field(3);
    }
    if (!altitude) return improper();
    out.altitude = *altitude;
    return out;
}

}  // namespace tolv7
