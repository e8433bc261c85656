#include "engine/potential_layouts.hpp"

#include <limits>

#include "app/calendar.hpp"

namespace tolv7 {

namespace {

std::optional<std::int32_t> to_int32(std::optional<long long> value) {
    if (!value || *value < std::numeric_limits<std::int32_t>::min() || *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

// The potential's columns after a comma in the given column.
ColumnField after_comma(ColumnField comma) { return {comma.last + 1, daily_col::potential.last}; }

}  // namespace

std::string monthly_potential_line(const MonthlyPotentialLine& line) {
    std::string text;
    put_int(text, monthly_col::month, line.month);
    put_text(text, monthly_col::separator, "/");
    put_int(text, monthly_col::year, line.year);
    put_text(text, monthly_col::closing, ",");
    put_int(text, monthly_col::potential, line.mv);
    return text;
}

std::optional<MonthlyPotentialLine> read_monthly_potential_line(const std::string& text) {
    Columns c(text);
    auto month = c.integer(monthly_col::month);
    auto year = c.integer(monthly_col::year);
    auto mv = to_int32(c.integer(monthly_col::potential));
    if (!month || !year || !mv) return std::nullopt;
    return MonthlyPotentialLine{*month, *year, *mv};
}

std::string daily_potential_line(const DailyPotential& value, DailyForm form) {
    std::string text;
    switch (form) {
    case DailyForm::Day:
        put_text(text, daily_col::date, date_text(value.year, value.month, value.day));
        put_int(text, daily_col::potential, value.mv);
        break;
    case DailyForm::Month:
        put_text(text, daily_col::date, month_date_text(value.month, value.year));
        put_int(text, daily_col::potential, value.mv);
        break;
    case DailyForm::DayAndComma:
        put_text(text, daily_col::date, date_text(value.year, value.month, value.day));
        put_text(text, daily_col::day_form_comma, ",");
        put_int(text, after_comma(daily_col::day_form_comma), value.mv);
        break;
    }
    return text;
}

std::optional<DailyPotential> read_daily_potential_line(const std::string& text) {
    auto date = date2ymd(column_text(text, daily_col::date));
    if (!date) return std::nullopt;
    ColumnField comma =
        column_text(text, date_col::month_form_mark) == "/" ? daily_col::month_form_comma : daily_col::day_form_comma;
    ColumnField potential = column_text(text, comma) == "," ? after_comma(comma) : daily_col::potential;
    auto mv = to_int32(parse_fixed_int(column_text(text, potential)));
    if (!mv) return std::nullopt;
    return DailyPotential{date->year, date->month, date->day, *mv};
}

}  // namespace tolv7
