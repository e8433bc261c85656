// The small helpers that every layer shares: trimming, writing fixed
// columns, date texts and decimal years, the average switches, the setting
// switches and the dose-kind number.
#include <gtest/gtest.h>

#include "app/calendar.hpp"
#include "app/fixed_columns.hpp"
#include "app/settings.hpp"
#include "app/text_lines.hpp"
#include "engine/average_switches.hpp"
#include "engine/coefficient_lookup.hpp"

namespace tolv7 {
namespace {

TEST(Trimming, RemovesOnlyOuterBlanks) {
    EXPECT_EQ(trim_left("  A B  "), "A B  ");
    EXPECT_EQ(trim_right("  A B  "), "  A B");
    EXPECT_EQ(trim("  A B  "), "A B");
    EXPECT_EQ(trim("     "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim_left("\t x"), "\t x");  // a tab is kept unless named
    EXPECT_EQ(trim_left("\t x", " \t"), "x");
}

TEST(FixedColumnWriting, PutsEachFieldInItsColumns) {
    std::string record;
    put_int(record, ColumnField{3, 5}, 42);
    EXPECT_EQ(record, "   42");
    put_text(record, ColumnField{8, 10}, "ABCD");  // cut to the field
    EXPECT_EQ(record, "   42  ABC");
    put_int(record, ColumnField{1, 2}, 7, 2);
    EXPECT_EQ(record, "07 42  ABC");
    put_int(record, ColumnField{3, 5}, 12345);  // too wide: asterisks
    EXPECT_EQ(record, "07***  ABC");
    put_real(record, ColumnField{6, 12, 2}, 3.14159);
    EXPECT_EQ(record, "07***   3.14");
    EXPECT_EQ(Columns(record).real(ColumnField{6, 12, 2}), 3.14);
}

TEST(DateText, WritesAndReadsBothForms) {
    EXPECT_EQ(date_text(2020, 6, 5), "2020/06/05");
    EXPECT_EQ(date_text(2021, 7, 0), "2021/07/00");
    EXPECT_EQ(month_date_text(6, 2020), "06/2020");
    auto day = date2ymd(date_text(1999, 12, 31));
    ASSERT_TRUE(day);
    EXPECT_EQ(day->year, 1999);
    EXPECT_EQ(day->month, 12);
    EXPECT_EQ(day->day, 31);
    auto month = date2ymd(month_date_text(0, 2015));
    ASSERT_TRUE(month);
    EXPECT_EQ(month->year, 2015);
    EXPECT_EQ(month->month, 0);
    EXPECT_EQ(month->day, 0);
}

TEST(DecimalYear, DividesTheDayOfTheYearByTheYearLength) {
    EXPECT_EQ(decimal_year(2019, 1, 1, 0), 2019.0 + 1.0 / 365.0);
    EXPECT_EQ(decimal_year(2020, 12, 31, 12), 2020.0 + 366.5 / 366.0);
    EXPECT_EQ(decimal_year(2019, 0, 0, 0), 2019.0 + 15.0 / 365.0);  // a yearly average lies on day 15
}

TEST(AverageSwitches, SetOnlyWhatTheDateLeavesOut) {
    EXPECT_EQ(average_switches(false, false, false), (AverageSwitches{0, 0, 0}));
    EXPECT_EQ(average_switches(true, false, true), (AverageSwitches{-1, 0, -1}));
    AverageSwitches kept{-1, 0, 0};
    add_average_switches(kept, false, true, false);
    EXPECT_EQ(kept, (AverageSwitches{-1, -1, 0}));  // nothing is cleared
    EXPECT_FALSE(average_date({0, 0, 0}));
    EXPECT_TRUE(average_date({0, 0, -1}));
    EXPECT_TRUE(average_date({0, 1, 0}));   // any odd value is set
    EXPECT_FALSE(average_date({2, 0, 0}));  // an even one is not
}

TEST(SettingSwitches, MenusAndDiagnosticTexts) {
    InitRecord init;
    EXPECT_TRUE(batch_mode(init));  // the default is NO!
    EXPECT_FALSE(diagnostics_on(init));
    init.menus = "FEW";
    EXPECT_FALSE(batch_mode(init));
    EXPECT_TRUE(few_dialogues(init));
    EXPECT_FALSE(pause_after_messages(init));
    init.menus = "YES";
    EXPECT_TRUE(pause_after_messages(init));
    init.menus = "NO";  // only the full text switches
    EXPECT_FALSE(batch_mode(init));
    init.diag = "YES";
    EXPECT_TRUE(diagnostics_on(init));
}

TEST(DoseKind, NumbersEveryParticleAndQuantityOnce) {
    EXPECT_EQ(dose_kind_of(1, 1), 1);
    EXPECT_EQ(dose_kind_of(38, 1), 38);
    EXPECT_EQ(dose_kind_of(1, 2), 39);
    EXPECT_EQ(dose_kind_of(38, 8), 304);
    for (int q = 1; q <= 8; ++q)
        for (int particle = 1; particle <= 38; ++particle) {
            DoseKindParts parts = decoder(dose_kind_of(particle, q));
            EXPECT_EQ(parts.q, q);
            EXPECT_EQ(parts.p, particle);
        }
}

}  // namespace
}  // namespace tolv7
