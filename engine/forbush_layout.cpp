#include "engine/forbush_layout.hpp"

namespace tolv7 {

std::string forbush_line(const ForbushLine& line) {
    std::string text;
    put_int(text, forbush_col::year, line.year);
    put_int(text, forbush_col::month, line.month);
    put_int(text, forbush_col::day, line.day);
    put_int(text, forbush_col::hour, line.hour);
    put_int(text, forbush_col::day_of_year, line.day_of_year);
    put_real(text, forbush_col::decimal_day, line.decimal_day);
    put_int(text, forbush_col::hour_of_year, line.hour_of_year);
    put_real(text, forbush_col::factor, line.factor);
    return text;
}

std::optional<ForbushLine> read_forbush_line(const std::string& text) {
    Columns c(text);
    auto year = c.integer(forbush_col::year);
    auto month = c.integer(forbush_col::month);
    auto day = c.integer(forbush_col::day);
    auto hour = c.integer(forbush_col::hour);
    auto day_of_year = c.integer(forbush_col::day_of_year);
    auto decimal_day = c.real(forbush_col::decimal_day);
    auto hour_of_year = c.integer(forbush_col::hour_of_year);
    auto factor = c.real(forbush_col::factor);
    if (!year || !month || !day || !hour || !day_of_year || !decimal_day || !hour_of_year || !factor)
        return std::nullopt;
    return ForbushLine{*year, *month, *day, *hour, *day_of_year, *decimal_day, *hour_of_year, *factor};
}

}  // namespace tolv7
