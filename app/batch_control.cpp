#include "app/batch_control.hpp"

#include <fstream>

#include "app/fixed_columns.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

BatchControl read_default_inp() {
    const std::string file = "DEFAULT.INP";
    std::ifstream in = open_existing(file);
    std::string lines[5];
    for (int i = 0; i < 5; ++i)
        if (!read_line(in, lines[i])) stop_file_error(file, "ends before line " + std::to_string(i + 1));
    auto number = [&](int i) {
        auto value = Columns(lines[i]).integer(1, 4);
        if (!value)
            stop_file_error(file, "line " + std::to_string(i + 1) + ": columns 1-4 do not hold a whole number");
        return static_cast<std::int32_t>(*value);
    };
    BatchControl bc;
    bc.ymd1 = column_text(lines[0], 1, 10);
    bc.hour = number(1);
    bc.particle = number(2);
    bc.dosekind = number(3);
    bc.name = column_text(lines[4], 1, 30);
    return bc;
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
