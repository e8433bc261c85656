#pragma once
// The 91-column airport record shared by the primary file AIRPORTS.DAT, the
// user file NEWPORTS.DAT and the index files built from them. The column
// table below is the one layout used by every reader and writer of it.
#include <optional>
#include <string>

#include "app/fixed_columns.hpp"

namespace tolv7 {

inline constexpr int kAirportRecordLength = 91;
inline constexpr int kUserRecordLength = 89;   // user file lines: columns 90-91 are not written
inline constexpr int kAirportCapacity = 7000;  // primary records used at most

// Columns first..last, 1-based and inclusive.
using RecordField = ColumnField;

// Hemisphere codes: a digit means north (west), any other character south
// (east); the entry form writes "0" and "}".
namespace port_col {
inline constexpr RecordField name{1, 30};
inline constexpr RecordField icao{31, 36};  // left-aligned
inline constexpr RecordField city{37, 66};
inline constexpr RecordField lat_degrees{67, 68};
inline constexpr RecordField lat_minutes{69, 70};
inline constexpr RecordField lat_seconds{71, 72};
inline constexpr RecordField lat_filler{73, 73};  // not read; "0"
inline constexpr RecordField lat_code{74, 74};
inline constexpr RecordField lon_degrees{75, 77};
inline constexpr RecordField lon_minutes{78, 79};
inline constexpr RecordField lon_seconds{80, 81};
inline constexpr RecordField lon_filler{82, 82};  // not read; "0"
inline constexpr RecordField lon_code{83, 83};
inline constexpr RecordField elevation{84, 89};   // tenths of a foot
inline constexpr RecordField end_marker{84, 88};  // whole feet; 99999 in the end record
}  // namespace port_col

// The record's text in a field's columns (blank beyond the line's end).
std::string field_text(const std::string& record, RecordField f);

// An integer field as char2int reads it; nullopt when it is not a number.
std::optional<int> field_int(const std::string& record, RecordField f);

// Puts a text of exactly the field's width into the record's columns; the
// record is blank-padded to reach them.
void put_field(std::string& record, RecordField f, const std::string& text);

// Whole feet (-9999 to 99999) in tenths of a foot for the elevation field:
// five zero-padded digits and "0", or "-", four digits and "0" below zero.
std::string elevation_tenths_text(int feet);

// What marks the record that ends both airport files: its ICAO field,
// trailing blanks removed, and the whole feet in columns 84-88.
inline constexpr char kEndRecordCode[] = "----";
inline constexpr int kEndRecordFeet = 99999;

// True for the end record of an airport file: both marks hold. The index
// rebuild and the rewrite of the user file stop at the same record, so an
// airport whose name only looks like the end record (END OF FILE ROAD) is
// kept by both, and an end record named in lower case ends both.
bool is_end_record(const std::string& record);

// The record that ends both airport files (89 columns, as the entry form
// writes it): ICAO field "----" and 99999 in columns 84-88.
inline std::string end_of_file_record() {
    return "END OF FILE" + std::string(19, ' ') + "----" + std::string(2, ' ') + "END OF FILE" +
           std::string(19, ' ') + "99999990" + "999999999" + "999990";
}

}  // namespace tolv7
