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
// YYYY/MM/DD. Empty when it is a date the runs compute, else why not.
std::string read_date(const std::string& line, LocationLine& out) {
    std::size_t slash = line.find('/');
    if (slash == std::string::npos || slash < 4) return "NO DATE YYYY/MM/DD";
    int col = static_cast<int>(slash) + 1;
    out.ymd = column_text(line, col - 4, col + 5);
    std::optional<CalendarDate> date;
    if (out.ymd[7] == '/') date = date2ymd(out.ymd);  // month-first dates are not read
    if (!date) return "DATE " + trim(out.ymd) + " IS NOT YYYY/MM/DD";
    out.year = date->year;
    out.month = date->month;
    out.day = date->day;
    if (!possible_date(CalendarDate{out.year, out.month, out.day, 0})) return "NO SUCH DATE " + out.ymd;
    return "";
}

LocationLine improper(const std::string& reason) {
    LocationLine out;
    out.reason = reason;
    return out;
}

}  // namespace

bool place_line(const std::string& line) {
    std::string first = trim_right(line.substr(0, line.find(',')));
    return first == "N" || first == "S" || first == "A" || first == "a";
}

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
    if (!coordinates && !airport) return improper("NOT A PLACE LINE");
    out.kind = coordinates ? LocationKind::Coordinates : LocationKind::Airport;

    int commas = commas_after_first_column(line);
    if (commas < (coordinates ? 6 : 4)) return improper("FEWER FIELDS THAN ITS FORM");
    // A comma more than the form has splits a field: 35,000 would be read as
    // 35 feet.
    if (commas > (coordinates ? kCoordinateLineCommas : kAirportLineCommas))
        return improper("MORE FIELDS THAN ITS FORM");
    std::array<int, 10> comma = findcommas(line, kLocationLineWidth);

    if (std::string why = read_date(line, out); !why.empty()) return improper(why);
    auto hour = after_marker(line, 'H', airport, 2);
    auto particle = after_marker(line, 'P', airport, 2);
    auto quantity = after_marker(line, 'D', airport, 1);
    if (!hour) return improper("NO HOUR Hhh");
    if (!particle) return improper("NO PARTICLE Ppp");
    if (!quantity) return improper("NO QUANTITY Dq");
    if (*particle < 0 || *particle > 37) return improper("PARTICLE " + std::to_string(*particle) + " IS NOT 0 TO 37");
    if (*quantity < 1 || *quantity > kDoseQuantities)
        return improper("QUANTITY " + std::to_string(*quantity) + " IS NOT 1 TO " + std::to_string(kDoseQuantities));
    if (*hour < 0 || *hour > kLastHour)
        return improper("HOUR " + std::to_string(*hour) + " IS NOT 0 TO " + std::to_string(kLastHour));
    out.hour = *hour;
    out.particle = *particle == 0 ? 38 : *particle;
    out.quantity = *quantity;

    auto at = [&](int comma_number) { return comma[static_cast<std::size_t>(comma_number - 1)]; };
    auto char_before = [&](int comma_number) { return column_text(line, at(comma_number) - 1, at(comma_number) - 1)[0]; };
    auto written = [&](int left) { return column_text(line, at(left) + 1, at(left + 1) - 1); };
    auto field = [&](int left) { return number_between(line, at(left), at(left + 1)); };
    // Degrees between two commas, unsigned: the reason when they are not.
    auto degrees = [&](int left, const char* what, char letter, bool hemisphere, bool (*possible)(double),
                       const char* limit, double& value) -> std::string {
        std::string text = written(left);
        auto number = field(left);
        if (!number) return std::string(what) + " " + trim(text) + " IS NOT A NUMBER";
        if (hemisphere && minus_signed(text)) return std::string("MINUS SIGN BESIDE ") + letter;
        if (!possible(*number)) return std::string(what) + " " + trim(text) + " IS BEYOND " + limit;
        value = *number;
        return "";
    };
    int altitude_left = 3;
    if (coordinates) {
        out.ns = first;
        out.ew = char_before(3);
        bool ew_letter = std::string("EWew").find(out.ew) != std::string::npos;
        if (auto why = degrees(1, "LATITUDE", out.ns, true, possible_latitude, "90", out.latitude); !why.empty())
            return improper(why);
        if (auto why = degrees(3, "LONGITUDE", out.ew, ew_letter, possible_longitude, "360", out.longitude);
            !why.empty())
            return improper(why);
        altitude_left = 5;
    } else {
        out.icao = pad_to(trim(written(1)), 6);
    }
    out.unit = char_before(altitude_left);
    out.altitude_text = trim(written(altitude_left));
    auto altitude = field(altitude_left);
    if (!altitude) return improper("ALTITUDE " + out.altitude_text + " IS NOT A NUMBER");
    out.altitude = *altitude;
    return out;
}

}  // namespace tolv7
