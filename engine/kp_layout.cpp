#include "engine/kp_layout.hpp"

namespace tolv7 {

std::string kp_day_line(const KpDay& day, const std::array<char, kKpIntervals>& marks, const std::string& note) {
    std::string text;
    put_int(text, kp_col::year, day.year);
    put_int(text, kp_col::month, day.month);
    put_int(text, kp_col::day, day.day);
    for (int s = 1; s <= kKpIntervals; ++s) {
        auto i = static_cast<std::size_t>(s - 1);
        put_text(text, kp_col::mark(s), std::string(1, marks[i]));
        put_int(text, kp_col::digit(s), day.kp[i]);
    }
    put_text(text, kp_col::note, note);
    return text;
}

std::optional<KpDay> read_kp_day_line(const std::string& line) {
    Columns c(line);
    auto year = c.integer(kp_col::year);
    auto month = c.integer(kp_col::month);
    auto day = c.integer(kp_col::day);
    if (!year || !month || !day) return std::nullopt;
    KpDay out;
    out.year = static_cast<std::int32_t>(*year);
    out.month = static_cast<std::int32_t>(*month);
    out.day = static_cast<std::int32_t>(*day);
    for (int s = 1; s <= kKpIntervals; ++s) {
        auto digit = c.integer(kp_col::digit(s));
        if (!digit) return std::nullopt;
        out.kp[static_cast<std::size_t>(s - 1)] = static_cast<std::int32_t>(*digit);
    }
    return out;
}

}  // namespace tolv7
