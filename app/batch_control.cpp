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
// The run date that stands for each flight's own date.
const char kFileDates[] = "0000/00/00";

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

std::optional<RunDateFault> run_date_fault(const std::string& ymd1) {
    std::string text = pad_to(ymd1, 10);
    if (text == kFileDates) return std::nullopt;
    // The slashes and digits of the two forms: "YYYY/MM/DD" and "MM/YYYY   ".
    static const char kDayForm[] = "9999/99/99";
    static const char kMonthForm[] = "99/9999   ";
    const char* form = column_text(text, date_col::month_form_mark) == "/" ? kMonthForm : kDayForm;
    bool fits = trim_right(ymd1).size() <= 10;
    for (std::size_t i = 0; fits && i < 10; ++i)
        fits = form[i] == '9' ? text[i] >= '0' && text[i] <= '9' : text[i] == form[i];
    if (!fits) return RunDateFault{true, "is not YYYY/MM/DD, MM/YYYY or " + std::string(kFileDates)};
    // Read as the runs read it, so that the date checked is the date computed.
    std::string why = date_fault(*date2ymd(text));
    if (why.empty()) return std::nullopt;
    return RunDateFault{false, why};
}

bool possible_run_date(const std::string& ymd1) { return !run_date_fault(ymd1); }

RunType run_type(const std::string& input_name) {
    std::string name = trim_right(input_name);
    if (name.size() < 3) return RunType::LocationList;
    std::string type = upper_case(name.substr(name.size() - 3));
    if (type == "BIG") return RunType::CityPair;
    if (type == "DEG") return RunType::Waypoint;
    return RunType::LocationList;
}

}  // namespace tolv7
