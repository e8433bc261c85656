#include "airports/code_file.hpp"

#include "airports/airport_context.hpp"
#include "airports/held_files.hpp"
#include "airports/port_lookup.hpp"
#include "app/console_routines.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

// Columns of a code file line.
constexpr int kCodeFirst = 1, kCodeLast = 3;
constexpr int kIcaoFirst = 5, kIcaoLast = 8;
constexpr char kNoCode[] = "---";

std::string codes_path(const AirportContext& p) { return os_path(p.set.init, "AIRPORTS", "CODES"); }

}  // namespace

std::string altcode(const AirportContext& p, const std::string& icao) {
    std::ifstream& codes = p.airports.codes_file;
    ensure_held_open(codes, codes_path(p));
    rewind_held(codes);
    std::string key = left_aligned_code(icao).substr(0, 4);
    std::string line;
    while (read_line(codes, line)) {
        if (column_text(line, kIcaoFirst, kIcaoLast) == key) {
            rewind_held(codes);
            return column_text(line, kCodeFirst, kCodeLast);
        }
    }
    rewind_held(codes);
    return kNoCode;
}

void addacode(const AirportContext& p) {
    cls(p);
    menuheader(p);
    for (const char* text : {" -----------------INSTRUCTIONS--------------------", "",
                             " The format of the 3-Character code match file is:",
                             " XXX,ICAO_CODE. (i.e., a 3Char_code followed by a ", " comma followed by the ICAO code.", "",
                             " Add data at any place in the file. It need not be",
                             " at the end. But the search uses the first match", " found with any particular ICAO code."})
        p.con.line(*text ? std::string(ListLine() << text) : std::string());
    p.con.blank_lines(5);
    // The file is always named with a forward slash here, whatever the OS.
    const std::string path = "AIRPORTS/CODES";
    p.airports.codes_file.close();
    showpick(p, path);
    oops(p, "         When finished... ");
    reopen_held(p.airports.codes_file, path);
}

void edit_codes_in_form(const AirportContext& p) {
    for (const char* text : {" -----------------INSTRUCTIONS--------------------",
                             " The format of the 3-Character code match file is:",
                             " XXX,ICAO_CODE. (i.e., a 3Char_code followed by a ", " comma followed by the ICAO code",
                             " Add data at any place in the file. It need not be",
                             " at the end. But the search uses the first match", " found with any particulat ICAO code."})
        p.con.line(ListLine() << text);
    const std::string path = codes_path(p);
    p.airports.codes_file.close();
    showpick(p, path);
    reopen_held(p.airports.codes_file, path);
}

}  // namespace tolv7
