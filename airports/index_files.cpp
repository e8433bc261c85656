#include "airports/index_files.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

struct AirportFile {
    const char* name;  // as the messages name it
    std::ifstream& stream;
    std::string path;  // in the path form of the OS setting
};

void rewind(std::ifstream& in) {
    in.clear();
    in.seekg(0);
}

// The files stay open from start-up on; a program context that did not go
// through start-up opens them here.
void ensure_open(AirportFile& file) {
    if (file.stream.is_open()) return;
    file.stream.open(file.path);
    if (!file.stream) stop_file_error(file.path, "cannot be opened");
}

bool integer_field(const std::string& record, int first, int last) {
    std::string field = column_text(record, first, last);
    return char2int(field, last - first + 1).has_value();
}

[[noreturn]] void not_a_number(Program& p, const AirportFile& file, int number, const char* what) {
    epitath(p, std::string(file.name) + " RECORD " + std::to_string(number) + ": " + what + " IS NOT A NUMBER");
}

// True for the end record. Every other record must hold numbers in its
// coordinate and elevation fields, since the lookup reads them as numbers.
bool end_record(Program& p, const AirportFile& file, const std::string& record, int number) {
    std::string marker = column_text(record, 84, 88);
    auto marker_value = char2int(marker, 5);
    if (!marker_value) not_a_number(p, file, number, "ELEVATION");
    if (trim_right(column_text(record, 31, 36)) == "----" && *marker_value == 99999) return true;
    if (!integer_field(record, 84, 89)) not_a_number(p, file, number, "ELEVATION");
    if (!integer_field(record, 67, 68) || !integer_field(record, 69, 70) || !integer_field(record, 71, 72))
        not_a_number(p, file, number, "LATITUDE");
    if (!integer_field(record, 75, 77) || !integer_field(record, 78, 79) || !integer_field(record, 80, 81))
        not_a_number(p, file, number, "LONGITUDE");
    return false;
}

// Appends the airports of one file, up to its end record or `limit` records
// (0: no limit). A read error ends the primary file with the fatal message
// and the user file silently; running out of lines before the end record is
// fatal for both.
void read_airports(Program& p, const AirportFile& file, int record_length, int limit, bool primary,
                   std::vector<std::string>& records) {
    for (int number = 1;; ++number) {
        std::string line;
        if (!read_line(file.stream, line)) {
            if (file.stream.bad()) {
                if (primary) epitath(p, "AIRPORTS.DAT IS CORRUPTED");
                return;
            }
            epitath(p, std::string(file.name) + " HAS NO END OF FILE RECORD AFTER RECORD " +
                           std::to_string(number - 1));
        }
        std::string record = pad_to(line, static_cast<std::size_t>(record_length));
        p.log.line(fmt_i(number, 5) + "  " + record);
        if (end_record(p, file, record, number)) return;
        records.push_back(record);
        if (number == limit) return;
    }
}

void write_index(const std::string& path, const std::vector<std::string>& records) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) stop_file_error(path, "cannot be created");
    for (const auto& record : records) out << record << '\n';
    out.close();
    if (!out) stop_file_error(path, "cannot be written");
}

// Name in columns 1-30 and city in 37-66 exchanged.
std::string city_first(const std::string& record) {
    std::string swapped = record;
    swapped.replace(0, 30, record, 36, 30);
    swapped.replace(36, 30, record, 0, 30);
    return swapped;
}

}  // namespace

void make_ndx(Program& p, int record_length, int capacity) {
    const InitRecord& init = p.set.init;
    AirportFile primary{"AIRPORTS.DAT", p.files.airports, os_path(init, "AIRPORTS", "AIRPORTS.DAT")};
    AirportFile user{"NEWPORTS.DAT", p.files.newports, os_path(init, "AIRPORTS", "NEWPORTS.DAT")};
    ensure_open(primary);
    rewind(primary.stream);

    // The table grows as needed: the capacity limits the primary records
    // only, so every user airport is indexed.
    std::vector<std::string> records;
    p.con.line(ListLine() << "Reading primary airport database");
    read_airports(p, primary, record_length, capacity, true, records);

    p.con.line(ListLine() << "Adding any user entered airports");
    if (!std::filesystem::exists(user.path)) epitath(p, "NEWPORTS.DAT IS MISSING  ");
    ensure_open(user);
    rewind(user.stream);
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
