#include "airports/port_lookup.hpp"

#include <fstream>

#include "airports/airport_context.hpp"
#include "airports/airport_record.hpp"
#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

const char kPortIndex[] = "AIRPORTS/PORT.NDX";

bool code_matches(const std::string& given, const std::string& record) {
    std::string icao = trim_right(field_text(record, port_col::icao));
    std::size_t n = icao.size();
    return n >= 4 && n <= 6 && given.compare(0, n, icao) == 0;
}

AirportInfo airport_of(const std::string& record, int number) {
    auto info = read_airport_record(record);
    if (!info) stop_file_error(kPortIndex, "record " + std::to_string(number) + " holds a field that is not a number");
    return *info;
}

// The records of the name index, read again only when the file changed
// since the last reading or the index was rebuilt.
const std::vector<std::string>& port_index(const AirportContext& p) {
    PortIndexCopy& copy = p.airports.port_index;
    if (copy.held && p.airports.caching && !copy.stamp.changed(kPortIndex)) return copy.records;
    copy.held = false;
    copy.stamp.take(kPortIndex);  // before reading: an edit meanwhile shows at the next lookup
    std::ifstream index = open_existing(kPortIndex);
    copy.records.clear();
    std::string line;
    while (read_line(index, line)) copy.records.push_back(pad_to(line, kAirportRecordLength));
    copy.held = true;
    return copy.records;
}

}  // namespace

std::optional<AirportInfo> read_airport_record(const std::string& record) {
    auto lat_d = field_int(record, port_col::lat_degrees);
    auto lat_m = field_int(record, port_col::lat_minutes);
    auto lat_s = field_int(record, port_col::lat_seconds);
    auto lon_d = field_int(record, port_col::lon_degrees);
    auto lon_m = field_int(record, port_col::lon_minutes);
    auto lon_s = field_int(record, port_col::lon_seconds);
    auto tenths = field_int(record, port_col::elevation);
    if (!lat_d || !lat_m || !lat_s || !lon_d || !lon_m || !lon_s || !tenths) return std::nullopt;
    AirportInfo info;
    info.name = field_text(record, port_col::name);
    info.city = field_text(record, port_col::city);
    info.latitude = record_degrees(*lat_d, *lat_m, *lat_s);
    info.longitude = record_degrees(*lon_d, *lon_m, *lon_s);
    info.ns = nss(field_text(record, port_col::lat_code))[0];
    info.ew = ews(field_text(record, port_col::lon_code))[0];
    info.elevation = *tenths / 10.0;
    return info;
}

std::string left_aligned_code(const std::string& code) {
    return pad_to(trim_left(pad_to(code, 6)), 6);
}

double record_degrees(int degrees, int minutes, int seconds) {
    float minute_part = static_cast<float>(minutes) / 60.0f;
    float second_part = static_cast<float>(seconds) / 3600.0f;
    return static_cast<double>(degrees) + static_cast<double>(minute_part) + static_cast<double>(second_part);
}

std::optional<AirportInfo> port_info(const AirportContext& p, const std::string& code) {
    std::string given = left_aligned_code(code);
    const std::vector<std::string>& records = port_index(p);
    for (std::size_t n = 0; n < records.size(); ++n)
        if (code_matches(given, records[n])) return airport_of(records[n], static_cast<int>(n + 1));
    p.con.line(ListLine() << "PORT_INFO failed for " << pad_to(code, 6));
    oops(p, "ICAO CODE NOT FOUND IN DATABASES");
    return std::nullopt;
}

}  // namespace tolv7
