#pragma once
// One line of a location list (*.LOC): a comment, a place given by its
// coordinates, a place given by an airport's ICAO code, or an improper line.
#include <string>

namespace tolv7 {

// The columns of a list line that count.
inline constexpr int kLocationLineWidth = 66;

enum class LocationKind { Comment, Coordinates, Airport, Improper };

// The commas of each form written out in full: a coordinate line
// N,lat,W,lon,F,alt,YYYY/MM/DD,Hhh,Ppp,Dq and an airport line
// A,code,F,alt,YYYY/MM/DD,Hhh,Ppp,Dq. The date and the markers may also be
// set apart by blanks, so a line may have fewer, down to the commas that
// frame its fields (six and four).
inline constexpr int kCoordinateLineCommas = 9;
inline constexpr int kAirportLineCommas = 7;

struct LocationLine {
    LocationKind kind = LocationKind::Improper;
    char ns = ' ';          // column 1 of a coordinate line
    char ew = ' ';          // the character before comma 3 (coordinate line)
    double latitude = 0;    // unsigned degrees as written (coordinate line)
    double longitude = 0;   // unsigned degrees as written (coordinate line)
    std::string icao;       // 6 characters (airport line)
    char unit = ' ';        // F feet, K kilometres, anything else g/cm2
    double altitude = 0;    // in its unit, as written
    std::string altitude_text;  // the altitude field, blanks at both ends removed
    std::string ymd;        // the 10-character date text
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int particle = 0;       // 1-38, 0 stored as 38
    int quantity = 0;       // 1-8
    std::string reason;     // why an improper line is one ("MORE FIELDS THAN ITS FORM")
};

// Reads a line of at most 66 columns. A location line that lacks a marker or
// the date, has fewer commas than the fields of its form need or more than
// its form has, a field that is not a number, a particle above 37 or a
// quantity outside 1-8, a date or hour that cannot be (year 0 or below,
// month above 12, day past the month's end, hour outside 0-24), a latitude
// above 90 or a longitude outside -360 to 360 degrees, or degrees written
// with a minus sign beside their hemisphere letter, is improper, with its
// reason in capitals.
LocationLine parse_location_line(const std::string& line);

// Whether a line is written as a place: its first field (the text before
// its first comma, trailing blanks removed) is N, S, A or a. Any other line
// in a list is a comment, whether or not it is reported as improper.
bool place_line(const std::string& line);

}  // namespace tolv7
