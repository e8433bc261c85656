#include "app/batch_control.hpp"

#include <fstream>
#include <limits>

#include "app/calendar.hpp"
#include "app/fixed_columns.hpp"
#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

const char kFile[] = "DEFAULT.INP";

[[noreturn]] void refuse_line(int number, const std::string& what) {
    stop_file_error(kFile, "line " + std::to_string(number) + " " + what);
}

// Line 2, 3 or 4: the start-up check of columns 1-4, then the first value in
// free form.
std::int32_t run_number(const std::string& line, int number) {
    if (!Columns(line).integer(1, 4))
        refuse_line(number, "(\"" + line + "\"): columns 1-4 do not hold a whole number");
    bool ended = false;
    std::vector<FreeItem> items = split_free_items(line, ended);
    if (items.empty()) return 0;
    auto value = FreeRecord(std::move(items)).integer(0);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        refuse_line(number, "(\"" + line + "\") does not begin with a whole number");
    return static_cast<std::int32_t>(*value);
}

}  // namespace

BatchControl read_default_inp() {
    std::ifstream in = open_existing(kFile);
    std::string lines[5];
    for (int i = 0; i < 5; ++i)
        if (!read_line(in, lines[i])) stop_file_error(kFile, "ends before line " + std::to_string(i + 1));
    BatchControl bc;
    bc.ymd1 = column_text(lines[0], 1, 10);
    bc.hour = run_number(lines[1], 2);
    bc.particle = run_number(lines[2], 3);
    bc.dosekind = run_number(lines[3], 4);
    bc.name = column_text(lines[4], 1, 30);
    if (trim_right(bc.name).empty()) refuse_line(5, "names no input file");
    return bc;
}

bool possible_run_date(const std::string& ymd1) {
    if (ymd1 == "0000/00/00") return true;
    if (ymd1.size() != 10 || ymd1[4] != '/' || ymd1[7] != '/') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (ymd1[i] < '0' || ymd1[i] > '9') return false;
    auto date = date2ymd(ymd1);
    return date && possible_date(*date);
}

RunType run_type(const std::string& input_name) {
    std::string name = trim_right(input_name);
    if (name.size() < 3) return RunType::LocationList;
    std::string type = upper_case(name.substr(name.size() - 3));
    if (type == "BIG") return RunType::CityPair;
    if (type == "DEG") return RunType::Waypoint;
    return RunType::LocationList;
}

}  // namespace tolv7
