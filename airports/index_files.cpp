#include "airports/index_files.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "airports/airport_context.hpp"
#include "airports/airport_record.hpp"
#include "airports/held_files.hpp"
#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

struct AirportFile {
    const char* name;  // as the messages name it
    std::ifstream& stream;
    std::string path;  // in the path form of the OS setting
};

bool integer_field(const std::string& record, RecordField f) { return field_int(record, f).has_value(); }

// A damaged airport file: the fatal message on the console and in the check
// log, then a stop with status 2 whose message names the file and record.
[[noreturn]] void damaged(const AirportContext& p, const AirportFile& file, const std::string& message, const std::string& detail) {
    epitath(p, message, file.path + ": " + detail, kExitFileError);
}

[[noreturn]] void not_a_number(const AirportContext& p, const AirportFile& file, int number, const char* what) {
    std::string record = "record " + std::to_string(number);
    damaged(p, file, std::string(file.name) + " RECORD " + std::to_string(number) + ": " + what + " IS NOT A NUMBER",
            record + ": " + what + " is not a number");
}

// Degrees, minutes and seconds of a coordinate (fields already known to be
// numbers): minutes and seconds below 60, the angle at most `limit` degrees.
bool possible_angle(const std::string& record, RecordField degrees_field, RecordField minutes_field,
                    RecordField seconds_field, double limit) {
    int degrees = *field_int(record, degrees_field);
    int minutes = *field_int(record, minutes_field);
    int seconds = *field_int(record, seconds_field);
    if (degrees < 0 || minutes < 0 || minutes >= 60 || seconds < 0 || seconds >= 60) return false;
    return degrees + minutes / 60.0 + seconds / 3600.0 <= limit;
}

// The text of a coordinate's degree, minute and second columns.
std::string angle_text(const std::string& record, RecordField degrees_field, RecordField seconds_field) {
    return field_text(record, RecordField{degrees_field.first, seconds_field.last});
}

[[noreturn]] void not_a_place(const AirportContext& p, const AirportFile& file, int number, const char* what, const std::string& text,
                              const char* limit) {
    damaged(p, file, std::string(file.name) + " RECORD " + std::to_string(number) + ": " + what + " IS OUT OF RANGE",
            "record " + std::to_string(number) + ": " + what + " \"" + text + "\" is beyond " + limit +
                " degrees or has minutes or seconds of 60 or more");
}

// True for the end record. Every other record must hold numbers in its
// coordinate and elevation fields, since the lookup reads them as numbers.
bool end_record(const AirportContext& p, const AirportFile& file, const std::string& record, int number) {
    if (!integer_field(record, port_col::end_marker)) not_a_number(p, file, number, "ELEVATION");
    if (is_end_record(record)) return true;
    if (!integer_field(record, port_col::elevation)) not_a_number(p, file, number, "ELEVATION");
    if (!integer_field(record, port_col::lat_degrees) || !integer_field(record, port_col::lat_minutes) ||
        !integer_field(record, port_col::lat_seconds))
        not_a_number(p, file, number, "LATITUDE");
    if (!integer_field(record, port_col::lon_degrees) || !integer_field(record, port_col::lon_minutes) ||
        !integer_field(record, port_col::lon_seconds))
        not_a_number(p, file, number, "LONGITUDE");
    using namespace port_col;
    if (!possible_angle(record, lat_degrees, lat_minutes, lat_seconds, 90.0))
        not_a_place(p, file, number, "LATITUDE", angle_text(record, lat_degrees, lat_seconds), "90");
    if (!possible_angle(record, lon_degrees, lon_minutes, lon_seconds, 360.0))
        not_a_place(p, file, number, "LONGITUDE", angle_text(record, lon_degrees, lon_seconds), "360");
    return false;
}

// A device or pipe in the place of an airport file (a link to /dev/full)
// would be read as one line without end; a file removed since start-up is
// named as missing.
void regular_file(const AirportContext& p, const AirportFile& file) {
    if (regular_file_named(file.path)) return;
    const bool missing = !std::filesystem::exists(file.path);
    damaged(p, file, std::string(file.name) + (missing ? " IS MISSING" : " IS NOT A REGULAR FILE"),
            unreadable_cause(file.path));
}

// Appends the airports of one file, up to its end record or `limit` records
// (0: no limit). A read error ends the primary file with the fatal message
// and the user file silently; running out of lines before the end record is
// fatal for both.
void read_airports(const AirportContext& p, const AirportFile& file, int record_length, int limit, bool primary,
                   std::vector<std::string>& records) {
    for (int number = 1;; ++number) {
        std::string line;
        if (!read_line(file.stream, line)) {
            if (file.stream.bad()) {
                if (primary) damaged(p, file, "AIRPORTS.DAT IS CORRUPTED", "cannot be read after record " +
                                                                             std::to_string(number - 1));
                return;
            }
            // What the end record is comes first, then the fault.
            const std::string rule = "AIRPORT FILES END WITH A RECORD OF " + end_record_brief();
            p.con.line(message_line(rule, 60));
            p.log.line(ListLine() << rule);
            const std::string words = " (" + end_record_words() + ")";
            damaged(p, file,
                    std::string(file.name) + " HAS NO END OF FILE RECORD AFTER RECORD " + std::to_string(number - 1),
                    number == 1 ? "is empty: not even its end record" + words
                                : "ends after record " + std::to_string(number - 1) + " without its end record" +
                                      words);
        }
        std::string record = pad_to(line, static_cast<std::size_t>(record_length));
        p.log.line(fmt_i(number, 5) + "  " + record);
        if (end_record(p, file, record, number)) return;
        records.push_back(record);
        if (number == limit) return;
    }
}

void write_index(const std::string& path, const std::vector<std::string>& records) {
    std::ofstream out = open_created(path);
    for (const auto& record : records) out << record << '\n';
    close_checked(out, path);
}

// Name and city exchanged.
std::string city_first(const std::string& record) {
    std::string swapped = record;
    put_field(swapped, port_col::name, field_text(record, port_col::city));
    put_field(swapped, port_col::city, field_text(record, port_col::name));
    return swapped;
}

}  // namespace

std::string end_record_words() {
    return "ICAO code " + std::string(kEndRecordCode) + " and " + std::to_string(kEndRecordFeet) +
           " ft in columns " + std::to_string(port_col::end_marker.first) + "-" +
           std::to_string(port_col::end_marker.last);
}

std::string end_record_brief() {
    return "CODE " + std::string(kEndRecordCode) + " AND " + std::to_string(kEndRecordFeet) + " FT";
}

void make_ndx(const AirportContext& p, int record_length, int capacity) {
    const InitRecord& init = p.set.init;
    AirportFile primary{"AIRPORTS.DAT", p.airports.airports_file, os_path(init, "AIRPORTS", "AIRPORTS.DAT")};
    AirportFile user{"NEWPORTS.DAT", p.airports.newports_file, os_path(init, "AIRPORTS", "NEWPORTS.DAT")};
    regular_file(p, primary);
    ensure_held_open(primary.stream, primary.path);
    rewind_held(primary.stream);

    // The table grows as needed: the capacity limits the primary records
    // only, so every user airport is indexed.
    std::vector<std::string> records;
    p.con.line(ListLine() << "Reading primary airport database");
    read_airports(p, primary, record_length, capacity, true, records);

    p.con.line(ListLine() << "Adding any user entered airports");
    if (!std::filesystem::exists(user.path))
        epitath(p, "NEWPORTS.DAT IS MISSING  ", user.path + ": " + unreadable_cause(user.path), kExitFileError);
    regular_file(p, user);
    ensure_held_open(user.stream, user.path);
    rewind_held(user.stream);
    read_airports(p, user, record_length, 0, false, records);

    // Plain byte order over the whole record: by name (or city), then by
    // ICAO code, then by the other columns.
    p.con.line(ListLine() << "Generating sorted airport lists");
    std::sort(records.begin(), records.end());
    write_index("AIRPORTS/PORT.NDX", records);
    p.airports.port_index.held = false;  // lookups read the new index

    for (auto& record : records) record = city_first(record);
    std::sort(records.begin(), records.end());
    write_index("AIRPORTS/CITY.NDX", records);
}

}  // namespace tolv7
