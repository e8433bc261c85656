// The data file layouts that the program reads and the data tree tool
// writes: each line written through its layout table reads back as the same
// values, and a known line has exactly its expected columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "airports/airport_entry.hpp"
#include "airports/airport_record.hpp"
#include "airports/port_lookup.hpp"
#include "app/text_lines.hpp"
#include "engine/forbush_layout.hpp"
#include "engine/kp_layout.hpp"
#include "engine/potential_layouts.hpp"

namespace tolv7 {
namespace {

TEST(FileLayouts, ForbushLineReadsBackAndHasItsColumns) {
    const std::vector<ForbushLine> lines = {
        {2012, 3, 8, 11, 68, 68.4583, 1643, 0.9867},
        {1957, 12, 31, 0, 365, 365.0, 8736, 1.3},
        {2056, 1, 1, 23, 1, 1.9583, 23, 0.0001},
    };
    for (const ForbushLine& written : lines) {
        std::string text = forbush_line(written);
        EXPECT_EQ(text.size(), 46u) << text;
        auto read = read_forbush_line(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->year, written.year);
        EXPECT_EQ(read->month, written.month);
        EXPECT_EQ(read->day, written.day);
        EXPECT_EQ(read->hour, written.hour);
        EXPECT_EQ(read->day_of_year, written.day_of_year);
        EXPECT_EQ(read->decimal_day, written.decimal_day);
        EXPECT_EQ(read->hour_of_year, written.hour_of_year);
        EXPECT_EQ(read->factor, written.factor);
    }
    EXPECT_EQ(forbush_line(lines[0]), "2012   3   8  11  68   68.4583  1643    0.9867");
    // A factor written without its point takes the layout's four decimals.
    EXPECT_DOUBLE_EQ(read_forbush_line("2012   3   8  11  68   68.4583  1643      9867")->factor, 0.9867);
    EXPECT_FALSE(read_forbush_line("2012   3   8  1X  68   68.4583  1643    0.9867"));
}

TEST(FileLayouts, MonthlyPotentialLineReadsBackAndHasItsColumns) {
    const std::vector<MonthlyPotentialLine> lines = {{12, 2020, 1345}, {1, 1951, 0}, {6, 2100, 99999999}};
    for (const MonthlyPotentialLine& written : lines) {
        std::string text = monthly_potential_line(written);
        EXPECT_EQ(text.size(), 16u) << text;
        auto read = read_monthly_potential_line(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->month, written.month);
        EXPECT_EQ(read->year, written.year);
        EXPECT_EQ(read->mv, written.mv);
    }
    EXPECT_EQ(monthly_potential_line(lines[0]), "12/2020,    1345");
    // Columns 3 and 8 may hold any separator.
    EXPECT_EQ(read_monthly_potential_line(" 7-2019;     640")->mv, 640);
    EXPECT_FALSE(read_monthly_potential_line("12/2020,    13a5"));
}

TEST(FileLayouts, DailyPotentialLineReadsBackInEachForm) {
    struct Case {
        DailyPotential value;
        DailyForm form;
        const char* bytes;
    };
    const std::vector<Case> cases = {
        {{2020, 12, 25, 1345}, DailyForm::Day, "2020/12/25      1345"},
        {{2021, 7, 0, 720}, DailyForm::Day, "2021/07/00       720"},
        {{2020, 6, 0, 1360}, DailyForm::Month, "06/2020         1360"},
        {{2015, 0, 0, 410}, DailyForm::Month, "00/2015          410"},
        {{2012, 3, 9, 905}, DailyForm::DayAndComma, "2012/03/09,      905"},
    };
    for (const Case& c : cases) {
        std::string text = daily_potential_line(c.value, c.form);
        EXPECT_EQ(text, c.bytes);
        auto read = read_daily_potential_line(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->year, c.value.year) << text;
        EXPECT_EQ(read->month, c.value.month) << text;
        EXPECT_EQ(read->day, c.value.day) << text;
        EXPECT_EQ(read->mv, c.value.mv) << text;
    }
    // Lines typed as the potential menu's examples show them: the value
    // follows the comma that closes the date.
    auto typed_day = read_daily_potential_line("2020/12/25,   1345");
    ASSERT_TRUE(typed_day);
    EXPECT_EQ(typed_day->mv, 1345);
    auto typed_month = read_daily_potential_line("12/2020,   1345");
    ASSERT_TRUE(typed_month);
    EXPECT_EQ(typed_month->month, 12);
    EXPECT_EQ(typed_month->day, 0);
    EXPECT_EQ(typed_month->mv, 1345);
    EXPECT_FALSE(read_daily_potential_line("2020/12/25      13x5"));
    EXPECT_FALSE(read_daily_potential_line("2020/1?/25      1345"));
}

TEST(FileLayouts, KpDayLineReadsBackAndHasItsColumns) {
    const KpDay storm{2003, 10, 30, {2, 3, 5, 6, 7, 9, 8, 7}};
    const KpDay quiet{2018, 8, 1, {0, 1, 0, 2, 3, 0, 1, 0}};
    const std::array<char, kKpIntervals> marks{'+', '-', ' ', '+', '-', ' ', '+', '-'};
    for (const KpDay& written : {storm, quiet}) {
        std::string text = kp_day_line(written, marks, "SYNTHETIC DAY");
        EXPECT_EQ(text.size(), 55u) << text;
        auto read = read_kp_day_line(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->year, written.year);
        EXPECT_EQ(read->month, written.month);
        EXPECT_EQ(read->day, written.day);
        EXPECT_EQ(read->kp, written.kp);
    }
    EXPECT_EQ(kp_day_line(quiet, marks, "   7  QUIET"),
              "2018 8 1+0-1 0+2-3 0+1-0   7  QUIET                    ");
    EXPECT_FALSE(read_kp_day_line("20031030+2-3 5+x-7 9+8-7"));
}

TEST(FileLayouts, AirportRecordReadsBackAndHasItsColumns) {
    const UserAirport kennedy{"JOHN F KENNEDY INTL", "KJFK", "NEW YORK", false, {40, 38, 22}, false, {73, 46, 46}, 13};
    const UserAirport masada{"BAR YEHUDA", "LLMZ", "MASADA", false, {31, 19, 41}, true, {35, 23, 18}, -1266};
    const UserAirport cape{"CAPE TOWN INTL", "FACT", "CAPE TOWN", true, {33, 57, 53}, true, {18, 36, 6}, 151};
    for (const UserAirport& written : {kennedy, masada, cape}) {
        std::string record = user_airport_record(written);
        EXPECT_EQ(record.size(), static_cast<std::size_t>(kUserRecordLength));
        auto read = read_airport_record(record);
        ASSERT_TRUE(read) << record;
        EXPECT_EQ(read->name, pad_to(written.name, 30));
        EXPECT_EQ(read->city, pad_to(written.city, 30));
        EXPECT_EQ(read->ns, written.south ? 'S' : 'N');
        EXPECT_EQ(read->ew, written.east ? 'E' : 'W');
        EXPECT_EQ(read->latitude, record_degrees(written.lat.degrees, written.lat.minutes, written.lat.seconds));
        EXPECT_EQ(read->longitude, record_degrees(written.lon.degrees, written.lon.minutes, written.lon.seconds));
        EXPECT_EQ(read->elevation, static_cast<double>(written.feet));
        EXPECT_EQ(field_text(record, port_col::icao), pad_to(written.icao, 6));
    }
    EXPECT_EQ(user_airport_record(masada),
              "BAR YEHUDA                    LLMZ  MASADA                        3119410003523180}-12660");
    std::string bad = user_airport_record(kennedy);
    bad[69] = 'X';  // a minute of latitude
    EXPECT_FALSE(read_airport_record(bad));
}

}  // namespace
}  // namespace tolv7
