#include "airports/airport_entry.hpp"

#include <fstream>

#include "airports/airport_context.hpp"
#include "airports/airport_record.hpp"
#include "airports/code_file.hpp"
#include "airports/file_replace.hpp"
#include "airports/held_files.hpp"
#include "airports/index_files.hpp"
#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

constexpr int kMinCodeLength = 4;  // shorter codes are never found by the lookup
constexpr int kLowestFeet = -9999, kHighestFeet = 99999;  // what columns 84-89 can hold

// Free list form: the texts below are written after its leading blank.
void say(const AirportContext& p, const std::string& text) { p.con.line(ListLine() << text); }

std::string ask_text(const AirportContext& p, const std::string& prompt, int length) {
    say(p, prompt);
    return readkb(p, length);
}

std::string ask_code(const AirportContext& p) {
    for (;;) {
        std::string code = ask_text(p, "          <3>  ICAO code (UP TO 6 CHARACTERS).", 6);
        std::string trimmed = trim_right(code);
        // With an elevation of 99999 ft the record would end the file.
        if (trimmed == kEndRecordCode) {
            say(p, "          Entry invalid, ---- marks the end of the file.");
        } else if (code[0] == ' ' && !trimmed.empty()) {
            // The lookup compares codes from their first column.
            say(p, "          Entry invalid, the code must not begin with a blank.");
        } else if (trimmed.size() < static_cast<std::size_t>(kMinCodeLength)) {
            say(p, "          Entry invalid, the code must be 4 to 6 characters.");
        } else {
            return code;
        }
    }
}

// One of two letters, asked until one is given.
char ask_letter(const AirportContext& p, const std::string& prompt, const std::string& letters) {
    for (;;) {
        char answer = ask_text(p, prompt, 1)[0];
        if (answer == letters[0] || answer == letters[1]) return answer;
        say(p, std::string("          Entry invalid, must be ") + letters[0] + " or " + letters[1] + ".");
        p.con.line("");
    }
}

void ask_three_letter_code(const AirportContext& p) {
    if (ask_letter(p, "          <4>  Add a 3 letter code? (YN)", "YN") == 'Y') edit_codes_in_form(p);
}

// A whole number within [lowest, highest], asked until one is given.
int ask_number(const AirportContext& p, const std::string& prompt, int length, int lowest, int highest) {
    for (;;) {
        std::string answer = ask_text(p, prompt, length);
        auto value = char2int(answer, length);
        if (value && *value >= lowest && *value <= highest) return *value;
        say(p, "          Entry invalid, must be a whole number " + std::to_string(lowest) + " to " +
                   std::to_string(highest) + ".");
    }
}

// One coordinate; `item` numbers the prompts (<6b> to <6d> for the
// latitude, <7b> to <7d> for the longitude). The index rebuild refuses a
// record whose angle is beyond `limit` degrees or whose minutes or seconds
// reach 60 (and with it every later start), so such answers are asked again.
AngleAnswer ask_angle(const AirportContext& p, char item, int degree_length, int limit) {
    auto prompt = [&](char letter, const char* what, int length) {
        return std::string("          <") + item + letter + ">  " + what + " (UP TO " + std::to_string(length) +
               " CHARACTERS).";
    };
    for (;;) {
        AngleAnswer a;
        a.degrees = ask_number(p, prompt('b', "DEGREES", degree_length), degree_length, 0, limit);
        a.minutes = ask_number(p, prompt('c', "MINUTES", 2), 2, 0, 59);
        a.seconds = ask_number(p, prompt('d', "SECONDS", 2), 2, 0, 59);
        if (a.degrees < limit || (a.minutes == 0 && a.seconds == 0)) return a;
        say(p, "          Entry invalid, must be at most " + std::to_string(limit) + " degrees.");
    }
}

UserAirport ask_airport(const AirportContext& p) {
    UserAirport a;
    a.name = ask_text(p, "          <1>  Airport name (UP TO 30 CHARACTERS).", 30);
    a.city = ask_text(p, "          <2>  City name (UP TO 30 CHARACTERS).", 30);
    a.icao = ask_code(p);
    ask_three_letter_code(p);
    say(p, "          LATITUDE");
    // Any other letter would be stored as north (west): asked again.
    a.south = ask_letter(p, "          <6a>  NORTH OR SOUTH <N/S>", "NS") == 'S';
    a.lat = ask_angle(p, '6', 2, 90);
    say(p, "          LONGITUDE");
    a.east = ask_letter(p, "          <7a>  EAST OR WEST <E/W>.", "EW") == 'E';
    a.lon = ask_angle(p, '7', 3, 360);
    p.con.line("");
    a.feet = ask_number(p, "          <8>  ALTITUDE IN FEET (UP TO 5 CHARACTERS).", 6, kLowestFeet, kHighestFeet);
    p.con.line("");
    return a;
}

// The record shown back, read from its own columns: the coordinates as their
// digits, the elevation as whole feet.
bool confirmed(const AirportContext& p, const std::string& record) {
    auto text = [&](RecordField f) { return field_text(record, f); };
    cls(p);
    menuheader(p);
    say(p, "CITY NAME: " + text(port_col::city));
    say(p, "AIRPORT NAME: " + text(port_col::name));
    say(p, "ICAO CODE: " + text(port_col::icao));
    say(p, "COORDINATES:");
    say(p, text(port_col::lat_degrees) + " DEGS " + text(port_col::lat_minutes) + " MINS " +
               text(port_col::lat_seconds) + (nss(text(port_col::lat_code)) == "N" ? " SECS NORTH LAT" : " SECS SOUTH LAT"));
    say(p, text(port_col::lon_degrees) + " DEGS " + text(port_col::lon_minutes) + " MINS " +
               text(port_col::lon_seconds) + (ews(text(port_col::lon_code)) == "W" ? " SECS WEST LON" : " SECS EAST LON"));
    say(p, "ALTITUDE (FT): " + std::to_string(field_int(record, port_col::end_marker).value_or(0)));
    p.con.line("");
    return ask_text(p, "          IS THIS INFORMATION CORRECT <Y/N>?", 1) == "Y";
}

// The user file's records before its end record (the record the index
// rebuild stops at), each as read. The file is read afresh, so the records
// kept are those on the disk now.
std::optional<FileFailure> earlier_records(const ReplaceTarget& file, std::vector<std::string>& records) {
    std::ifstream in(file.file);
    std::string line;
    while (in && read_line(in, line)) {
        if (is_end_record(line)) return std::nullopt;
        records.push_back(line);
    }
    if (!in.eof()) return FileFailure{file.named, "could not be read", "CANNOT BE READ"};
    return FileFailure{file.named, "has no end record (" + end_record_words() + ", as in \"" + end_of_file_record() + "\")",
                       "HAS NO END RECORD (" + end_record_brief() + ")"};
}

// A save that did not happen: the short cause on the console, the file and
// the cause in words in the check log, and the session kept to end with
// status 2 (its message names them too).
void report_failed_save(const AirportContext& p, const FileFailure& failure) {
    say(p, "          NEWPORTS.DAT " + failure.brief);
    p.log.line(ListLine() << "NEWPORTS.DAT NOT SAVED: " << failure.text());
    if (p.airports.failed_save.empty()) p.airports.failed_save = failure.text() + "; the airport entered was not saved";
    oops(p, "NEWPORTS.DAT COULD NOT BE WRITTEN, NOTHING WAS SAVED");
}

}  // namespace

std::string user_airport_record(const UserAirport& a) {
    std::string record(kUserRecordLength, ' ');
    put_field(record, port_col::name, a.name);
    put_field(record, port_col::icao, a.icao);
    put_field(record, port_col::city, a.city);
    auto digits = [&](RecordField f, int value) { put_field(record, f, fmt_i(value, f.width(), f.width())); };
    digits(port_col::lat_degrees, a.lat.degrees);
    digits(port_col::lat_minutes, a.lat.minutes);
    digits(port_col::lat_seconds, a.lat.seconds);
    put_field(record, port_col::lat_filler, "0");
    put_field(record, port_col::lat_code, a.south ? "}" : "0");
    digits(port_col::lon_degrees, a.lon.degrees);
    digits(port_col::lon_minutes, a.lon.minutes);
    digits(port_col::lon_seconds, a.lon.seconds);
    put_field(record, port_col::lon_filler, "0");
    put_field(record, port_col::lon_code, a.east ? "}" : "0");
    put_field(record, port_col::elevation, elevation_tenths_text(a.feet));
    return record;
}

std::vector<std::string> user_file_lines(const std::string& record, const std::vector<std::string>& earlier) {
    std::vector<std::string> lines;
    lines.reserve(earlier.size() + 2);
    lines.push_back(pad_to(record, kUserRecordLength));
    for (const auto& line : earlier) lines.push_back(pad_to(line, kUserRecordLength));
    lines.push_back(end_of_file_record());
    return lines;
}

std::optional<FileFailure> add_user_airport(const AirportContext& p, const std::string& record) {
    const std::string path = os_path(p.set.init, "AIRPORTS", "NEWPORTS.DAT");
    ReplaceTarget file;
    if (auto refused = find_replace_target(path, file)) return refused;
    std::vector<std::string> earlier;
    if (auto unread = earlier_records(file, earlier)) return unread;
    // Closed first: a file that is open cannot be renamed over on Windows.
    // Opened again by its name, the held handle reads the new file.
    p.airports.newports_file.close();
    auto failed = replace_lines(file, "NEWPORTS.TMP", user_file_lines(record, earlier));
    reopen_held_if_present(p.airports.newports_file, path);
    return failed;
}

NextMenu addaport(const AirportContext& p) {
    p.set.init.diag = kSwitchOff;
    cls(p);
    menuheader(p);
    p.con.line("");
    say(p, "          AIRPORT ENTRY FORM                      ");
    p.con.line("");
    std::string record = user_airport_record(ask_airport(p));
    if (!confirmed(p, record)) return NextMenu::Airport;
    if (auto failed = add_user_airport(p, record)) {
        report_failed_save(p, *failed);
        return NextMenu::Airport;
    }
    make_ndx(p, kAirportRecordLength, kAirportCapacity);
    return NextMenu::Main;
}

}  // namespace tolv7
