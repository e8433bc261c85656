#pragma once
// Finding one airport by its ICAO code in the name index AIRPORTS/PORT.NDX.
#include <optional>
#include <string>

namespace tolv7 {

struct AirportContext;

struct AirportInfo {
    std::string name;  // 30 characters
    std::string city;  // 30 characters
    char ns = 'N';     // 'N' or 'S'
    double latitude = 0.0;   // degrees, never negative
    char ew = 'W';     // 'W' or 'E'
    double longitude = 0.0;  // degrees, never negative
    double elevation = 0.0;  // feet
};

// The first airport in name order whose ICAO code (4 to 6 characters)
// starts the given code. Not found: the console messages, and nullopt.
std::optional<AirportInfo> port_info(const AirportContext& p, const std::string& code);

// The airport of a record; nullopt when a numeric field is not a number.
std::optional<AirportInfo> read_airport_record(const std::string& record);

// The code's first 6 characters without leading blanks, blank-padded to 6.
std::string left_aligned_code(const std::string& code);

// Degrees, minutes and seconds of a record as decimal degrees; the minute
// and second parts are single-precision quotients.
double record_degrees(int degrees, int minutes, int seconds);

}  // namespace tolv7
