// Day of the year, decimal years and back, month and year lengths.
#include <gtest/gtest.h>

#include <cmath>

#include "app/calendar.hpp"

namespace tolv7 {
namespace {

TEST(DayOfYear, WorkedExamples) {
    EXPECT_EQ(dsf(2020, 3, 1, 0), 61.0);
    EXPECT_EQ(dsf(2019, 3, 1, 0), 60.0);
    EXPECT_EQ(dsf(2000, 12, 31, 0), 366.0);
    EXPECT_EQ(dsf(1900, 3, 1, 0), 60.0);
    EXPECT_EQ(dsf(2019, 1, 1, 0), 1.0);
    EXPECT_EQ(dsf(2019, 12, 31, 12), 365.5);
    EXPECT_EQ(dsf(2020, 7, 0, 0), 197.0);
    EXPECT_EQ(dsf(2020, 0, 0, 6), 15.25);
    EXPECT_EQ(dsf(2019, 1, 1, 1), 1.0416666679084301);  // the hour fraction in single precision
}

TEST(DecimalYearSplit, WorkedExamples) {
    CalendarDate d = dates(2020.5);
    EXPECT_EQ(d.year, 2020);
    EXPECT_EQ(d.month, 7);
    EXPECT_EQ(d.day, 1);
    EXPECT_EQ(d.hour, 0);
    d = dates(2021 + 45.75 / 365);
    EXPECT_EQ(d.year, 2021);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 14);
    EXPECT_EQ(d.hour, 18);
}

TEST(DecimalYearSplit, MonthEndsAndDayZero) {
    CalendarDate jan31 = dates(2019 + 31.0 / 365);
    EXPECT_EQ(jan31.month, 1);
    EXPECT_EQ(jan31.day, 31);
    CalendarDate day0 = dates(2019.0);  // day of the year 0
    EXPECT_EQ(day0.year, 2018);
    EXPECT_EQ(day0.month, 12);
    EXPECT_EQ(day0.day, 31);
    CalendarDate late = dates(2019 + (365 + 23.9 / 24) / 365);  // rounds to hour 24 of 31 December
    EXPECT_EQ(late.year, 2020);
    EXPECT_EQ(late.month, 1);
    EXPECT_EQ(late.day, 1);
    EXPECT_EQ(late.hour, 0);
    CalendarDate none = dates(std::nan(""));
    EXPECT_EQ(none.month, 0);
}

// Every day and whole hour of a year comes back from its decimal year.
void expect_round_trip(int year) {
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= dimo(year, month); ++day)
            for (int hour = 0; hour < 24; ++hour) {
                CalendarDate d = dates(year + dsf(year, month, day, hour) / diy(year));
                ASSERT_EQ(d.year, year);
                ASSERT_EQ(d.month, month) << year << "/" << month << "/" << day << " " << hour;
                ASSERT_EQ(d.day, day) << year << "/" << month << "/" << day << " " << hour;
                ASSERT_EQ(d.hour, hour) << year << "/" << month << "/" << day << " " << hour;
            }
}

TEST(DecimalYearSplit, RoundTripsEveryHourOfLeapAndCommonYears) {
    for (int year : {1999, 2000, 2001, 2020}) expect_round_trip(year);
}

TEST(MonthLengths, GregorianRule) {
    EXPECT_EQ(dimo(2100, 2), 28);
    EXPECT_EQ(dimo(2000, 2), 29);
    EXPECT_EQ(dimo(2021, 13), 0);
    EXPECT_EQ(dimo(2021, 0), 0);
    EXPECT_EQ(tdaeom(2021, 12), 365);
    EXPECT_EQ(tdaeom(2020, 2), 60);
    EXPECT_EQ(tdaeom(2020, 0), 0);
    EXPECT_EQ(tdaeom(2020, 14), 366);
    EXPECT_EQ(diy(1900), 365.0);
    EXPECT_EQ(diy(2000), 366.0);
    EXPECT_TRUE(leap(-4));
    EXPECT_FALSE(leap(-100));
    EXPECT_EQ(leapyr(2024), 1.0);
    EXPECT_EQ(leapyr(2023), 0.0);
}

TEST(DecimalYear, FirstDayCountsFromZero) {
    EXPECT_EQ(dt2dyear(2019, 1, 1, 0, 0), 2019.0);
    EXPECT_DOUBLE_EQ(dt2dyear(2019, 1, 2, 12, 0), 2019 + 1.5 / 365);
    EXPECT_DOUBLE_EQ(dt2dyear(2020, 3, 1, 0, 30), 2020 + (60 + 30.0 / 1440) / 366);
}

TEST(DateText, BothForms) {
    auto ymd = date2ymd("2021/07/14").value();
    EXPECT_EQ(ymd.year, 2021);
    EXPECT_EQ(ymd.month, 7);
    EXPECT_EQ(ymd.day, 14);
    auto my = date2ymd("07/2021").value();
    EXPECT_EQ(my.year, 2021);
    EXPECT_EQ(my.month, 7);
    EXPECT_EQ(my.day, 0);
    EXPECT_FALSE(date2ymd("2021/JL/14"));
}

TEST(PossibleDate, FaultNamesTheValueAndItsLimit) {
    const std::pair<CalendarDate, const char*> cases[] = {
        {{2019, 6, 15, 0}, ""},
        {{2019, 6, 0, 0}, ""},  // monthly average
        {{2019, 0, 0, 0}, ""},  // yearly average
        {{2020, 2, 29, 0}, ""},
        {{1, 1, 1, 0}, ""},
        {{2019, 2, 29, 0}, "day 29 is not 00 to 28 in 2019/02"},
        {{2019, 4, 31, 0}, "day 31 is not 00 to 30 in 2019/04"},
        {{2019, 1, -1, 0}, "day -1 is not 00 to 31 in 2019/01"},
        {{2019, 13, 1, 0}, "month 13 is not 00 to 12"},
        {{2019, -1, 0, 0}, "month -1 is not 00 to 12"},
        {{2019, 0, 15, 0}, "day 15 is not 00 in a yearly average"},
        {{0, 6, 15, 0}, "year 0 is not 1 or later"},
        {{-19, 6, 15, 0}, "year -19 is not 1 or later"},
    };
    for (const auto& [date, fault] : cases) {
        SCOPED_TRACE(date_text(date.year, date.month, date.day));
        EXPECT_EQ(date_fault(date), fault);
        EXPECT_EQ(possible_date(date), std::string(fault).empty());
    }
}

TEST(SmallNumerics, LogarithmAndStraightLines) {
    // ln 100 over ln 10 in single precision (2.3025851249694824): worked
    // with mpmath, a little below 2.
    EXPECT_DOUBLE_EQ(fmath::log10(100.0), 1.9999999722264889);
    EXPECT_NE(fmath::log10(100.0), 2.0);
    EXPECT_DOUBLE_EQ(linterp(1, 2, 10, 20, 3), 30.0);
    EXPECT_DOUBLE_EQ(linterp(1, 2, 10, 20, 1.5), 15.0);
    EXPECT_DOUBLE_EQ(extrapolate(1, 2, 10, 20, 0), 0.0);
}

}  // namespace
}  // namespace tolv7
