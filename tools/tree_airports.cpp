// The airport files of the tree, from the real airports of data/airports.csv:
// AIRPORTS.DAT in the 91-column record, an empty user file and CODES.
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "airports/airport_entry.hpp"
#include "airports/airport_record.hpp"
#include "app/text_lines.hpp"
#include "tools/data_tree.hpp"
#include "tools/shared_data.hpp"

namespace tolv7::tree {

namespace {

// The fields of one csv line; quoted fields may hold commas and doubled quotes.
std::vector<std::string> csv_fields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

double number(const std::string& text, const std::string& icao) {
    std::size_t used = 0;
    double value = std::stod(text, &used);
    if (used != text.size() || !std::isfinite(value)) throw std::runtime_error("airports.csv: bad number for " + icao);
    return value;
}

// Whole degrees, minutes and seconds of an angle.
AngleAnswer dms(double degrees) {
    long long seconds = std::llround(std::fabs(degrees) * 3600.0);
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

struct CsvAirport {
    std::string icao, iata, name, city;
    double latitude = 0.0, longitude = 0.0;
    long long elevation = 0;  // feet; 0 where the csv gives none
};

CsvAirport parse(const std::vector<std::string>& f) {
    if (f.size() != 10) throw std::runtime_error("airports.csv: a line without 10 fields");
    CsvAirport a;
    a.icao = f[0];
    a.iata = f[1];
    a.name = f[3];
    a.city = f[4];
    a.latitude = number(f[6], a.icao);
    a.longitude = number(f[7], a.icao);
    if (!f[8].empty()) a.elevation = std::llround(number(f[8], a.icao));
    return a;
}

// The record as the entry form writes it, in the full record length.
std::string airport_record(const CsvAirport& a) {
    if (a.elevation > 99999 || a.elevation < -9999)
        throw std::runtime_error("airports.csv: elevation out of range for " + a.icao);
    UserAirport port{a.name, a.icao, a.city, a.latitude < 0.0, dms(a.latitude), !(a.longitude < 0.0), dms(a.longitude),
                     static_cast<int>(a.elevation)};
    return pad_to(user_airport_record(port), kAirportRecordLength);
}

}  // namespace

void write_airports(const fs::path& dir, const TreeOptions&) {
    const fs::path source = shared_data_folder() / "airports.csv";
    std::ifstream csv(source);
    if (!csv) throw std::runtime_error("cannot read " + source.string());
    std::string line;
    read_line(csv, line);  // the header
    std::string airports;
    std::string codes;
    int count = 0;
    while (read_line(csv, line)) {
        if (line.empty()) continue;
        CsvAirport a = parse(csv_fields(line));
        if (++count > kAirportCapacity) throw std::runtime_error("airports.csv: more airports than the file holds");
        airports += airport_record(a) + "\n";
        if (a.iata.size() == 3) codes += a.iata + "," + a.icao + "\n";
    }
    write_text_file(dir / "AIRPORTS/AIRPORTS.DAT", airports + end_of_file_record() + "\n");
    write_text_file(dir / "AIRPORTS/NEWPORTS.DAT", end_of_file_record() + "\n");
    write_text_file(dir / "AIRPORTS/CODES", codes);
}

}  // namespace tolv7::tree
