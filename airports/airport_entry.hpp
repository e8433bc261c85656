#pragma once
// The airport entry form: one user airport asked for, shown back, and put
// first in the user file AIRPORTS/NEWPORTS.DAT, which is rewritten through a
// temporary file so that a failed write loses nothing.
#include <optional>
#include <string>
#include <vector>

#include "airports/file_replace.hpp"
#include "app/menu_flow.hpp"

namespace tolv7 {

struct AirportContext;

// Degrees, minutes and seconds of one coordinate.
struct AngleAnswer {
    int degrees = 0, minutes = 0, seconds = 0;
};

// The answers of one form, as numbers where the record holds numbers.
struct UserAirport {
    std::string name;  // 30 characters
    std::string icao;  // 6
    std::string city;  // 30
    bool south = false;
    AngleAnswer lat;
    bool east = false;
    AngleAnswer lon;
    int feet = 0;  // -9999 to 99999
};

// The 89-column user file record of the answers: numbers zero-padded, "0" in
// columns 73 and 82, hemisphere codes "0" (north, west) or "}" (south, east),
// the elevation in tenths of a foot.
std::string user_airport_record(const UserAirport& a);

// The user file's lines: the new record, the earlier records in their order
// (each cut or padded to 89 columns), the end record.
std::vector<std::string> user_file_lines(const std::string& record, const std::vector<std::string>& earlier);

// Replaces the user file by the new record, the earlier records (those
// before its end record) and the end record: written to NEWPORTS.TMP beside
// it (beside the file a link leads to) and renamed over it. The held handle
// is closed for the rename and open again afterwards. A failure (a missing,
// read-only or unreadable file, one without its end record, a write or
// rename that failed) leaves the old file as it was and no temporary file
// behind, and says why.
std::optional<FileFailure> add_user_airport(const AirportContext& p, const std::string& record);

// The form (item 4 of the airport menu). Main after a saved airport (the
// index files rebuilt), Airport when the user declined or the save failed.
// A hemisphere answer other than its two letters is asked again. A failed
// save is shown with its short cause, written with its file and cause to the
// check log and kept in the airport records (the first failed save of a
// session), so that the session, which goes on, ends with status 2 naming it.
NextMenu addaport(const AirportContext& p);

}  // namespace tolv7
