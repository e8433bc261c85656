#include "airports/airport_report.hpp"

#include <fstream>
#include <optional>
#include <vector>

#include "airports/airport_context.hpp"
#include "airports/airport_record.hpp"
#include "airports/code_file.hpp"
#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

// Both always written with a forward slash.
const char kPortIndex[] = "AIRPORTS/PORT.NDX";
const char kReportFile[] = "AIRPORTS/PORTINFO.TXT";

bool report_code_matches(const std::string& given, std::size_t n, const std::string& record) {
    return n >= 4 && n <= 6 && field_text(record, port_col::icao).compare(0, n, given, 0, n) == 0;
}

std::optional<std::string> first_match(const std::string& given) {
    std::size_t n = trim_right(given).size();
    std::ifstream index = open_existing(kPortIndex);
    std::string line;
    while (read_line(index, line)) {
        std::string record = pad_to(line, kAirportRecordLength);
        if (report_code_matches(given, n, record)) return record;
    }
    return std::nullopt;
}

int number_field(const std::string& record, RecordField f) {
    auto value = field_int(record, f);
    if (!value) stop_file_error(kPortIndex, "record of " + trim_right(field_text(record, port_col::icao)) +
                                                " holds a field that is not a number");
    return *value;
}

std::vector<std::string> report_lines(const AirportContext& p, const std::string& given, const std::string& record) {
    const std::string indent(10, ' ');
    auto num = [&](RecordField f, int width) { return fmt_i(number_field(record, f), width); };
    std::string ns = nss(field_text(record, port_col::lat_code));
    std::string ew = ews(field_text(record, port_col::lon_code));
    return {
        indent + "ICAO CODE: " + given + std::string(16, ' ') + "OTHER CODE: " + fmt_a(altcode(p, given), 3),
        indent + "AIRPORT NAME: " + field_text(record, port_col::name),
        indent + "CITY NAME: " + field_text(record, port_col::city),
        indent + "LATITUDE: " + num(port_col::lat_degrees, 2) + " DEGS " + num(port_col::lat_minutes, 2) + " MINS " +
            num(port_col::lat_seconds, 2) + " SECS " + ns,
        indent + "LONGITUDE: " + num(port_col::lon_degrees, 3) + " DEGS " + num(port_col::lon_minutes, 2) +
            " MINS " + num(port_col::lon_seconds, 2) + " SECS " + ew,
        indent + "ALTITUDE: " + fmt_f(number_field(record, port_col::elevation) / 10.0, 7, 1) + " FEET",
    };
}

void write_report(const std::vector<std::string>& lines) {
    std::ofstream out = open_created(kReportFile);
    for (const auto& line : lines) out << line << '\n';
    close_checked(out, kReportFile);
}

}  // namespace

NextMenu rep_by_icao(const AirportContext& p, const std::string& code) {
    const std::string given = pad_to(code, 6);
    std::optional<std::string> record = first_match(given);
    if (!record) {
        p.con.line(ListLine() << "REP_BY_ICAO FAILED FOR " << given);
        oops(p, "ICAO CODE NOT FOUND IN DATABASES");
        cls(p);
        menuheader(p);
        return NextMenu::Same;
    }
    write_report(report_lines(p, given, *record));
    showpick(p, kReportFile);
    p.con.blank_lines(10);
    oops(p, "");
    return NextMenu::Airport;
}

}  // namespace tolv7
