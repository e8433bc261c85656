// Monthly potential table and daily potential file: loading, lookup order,
// both date forms, edits of the daily file and the fallback warnings.
#include <gtest/gtest.h>

#include "app/program_stop.hpp"
#include "engine/helio_potential.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

using test::fs::path;

// A working folder with the two potential files and an open check log.
class Potentials : public ::testing::Test, protected test::LoggedWorkdir {
protected:
    void monthly(const std::string& text) { test::write_file("SOLARMOD/MV-DATES.L99", text); }
    void daily(const std::string& text) {
        // A different size or a later time, so that the change is noticed
        // however quickly it follows the previous version.
        auto file = path("SOLARMOD/MORDATES.2K");
        bool existed = test::fs::exists(file);
        auto before = existed ? test::fs::last_write_time(file) : test::fs::file_time_type{};
        test::write_file(file, text);
        if (existed && test::fs::last_write_time(file) <= before)
            test::fs::last_write_time(file, before + std::chrono::seconds(1));
    }
    std::int32_t hp(std::int32_t y, std::int32_t m, std::int32_t d) { return date2hp(*tp, y, m, d); }
};

const std::string kWarning1 = " WARNING: No data potential found for";
const std::string kWarning2 = " Using most recent heliocentric potential:";

TEST_F(Potentials, LoadHpReadsTheTableAndTakesTheLastLineAsMostRecent) {
    monthly(" 1/2019,     500\n"
            "12/2020,    1345\n"
            " 3/2019,     700\n"
            " 1/2019,     550\n");  // replaces the first line; older than 12/2020
    daily("");
    load_hp(*tp);
    EXPECT_EQ(tp.screen(), " Loading TOLV-6 heliocentric potential data\n");
    EXPECT_EQ(test::check_log_lines(tp), (std::vector<std::string>{" Loading TOLV-6 heliocentric potential data",
                                                     " Finished HP read"}));
    EXPECT_EQ(hp(2020, 12, 5), 1345);
    EXPECT_EQ(hp(2019, 3, 0), 700);
    EXPECT_EQ(hp(2019, 1, 31), 550);
    EXPECT_EQ(tp->engine.mvdates.last_year, 2019);
    EXPECT_EQ(tp->engine.mvdates.last_month, 1);
    // A gap in the table gives the most recent entry, the last line.
    EXPECT_EQ(hp(2019, 2, 10), 550);
    auto log = test::check_log_lines(tp);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[2], kWarning1 + "        2019           2");
    EXPECT_EQ(log[3], kWarning2 + "         550");
    // No line gives the yearly value: the mean of the year's entries.
    EXPECT_EQ(hp(2019, 0, 0), 625);
    EXPECT_EQ(test::check_log_lines(tp).back(),
              " No yearly potential found for        2019 using the mean of its           2 monthly values:         625");
}

TEST_F(Potentials, LoadHpSkipsLinesOutsideTheTable) {
    monthly(" 5/2018,     800\n"
            "13/2018,     900\n"
            "\n"
            " 0/2018,     950\n"
            " 6/2101,     990\n");
    daily("");
    load_hp(*tp);
    EXPECT_EQ(tp->engine.mvdates.last_year, 2018);
    EXPECT_EQ(tp->engine.mvdates.last_month, 5);
    // Requests the table has no place for count as missing, and so does the
    // yearly value of a year without monthly entries.
    EXPECT_EQ(hp(2018, 13, 1), 800);
    EXPECT_EQ(hp(2101, 6, 1), 800);
    EXPECT_EQ(hp(2017, 0, 0), 800);
    EXPECT_EQ(hp(0, 5, 1), 800);
    EXPECT_EQ(test::check_log_lines(tp).size(), 2u + 4 * 2);
}

TEST_F(Potentials, TableWithNoUsableLineStopsAtLoad) {
    daily("");
    const std::pair<const char*, const char*> cases[] = {
        {"", "SOLARMOD/MV-DATES.L99: is empty: it needs at least one line month/year,potential (such as 12/2020,    1345)"},
        {"\n13/2019,     500\n 0/2019,     500\n",
         "SOLARMOD/MV-DATES.L99: none of its 3 lines holds a month 1-12 of a year 1-2100 with a potential"}};
    for (const auto& [table, expected] : cases) {
        SCOPED_TRACE(table);
        monthly(table);
        std::string message;
        EXPECT_EQ(test::stop_status([&] { load_hp(*tp); }, &message), kExitFileError);
        EXPECT_EQ(message, expected);
    }
}

TEST_F(Potentials, UnreadableOrMissingFilesStopWithFileError) {
    monthly(" 1/2019,     500\n 2/2019,    5x0\n");
    daily("");
    std::string message;
    EXPECT_EQ(test::stop_status([&] { load_hp(*tp); }, &message), kExitFileError);
    EXPECT_EQ(message, "SOLARMOD/MV-DATES.L99: line 2 \" 2/2019,    5x0\" cannot be read as month/year,potential");

    monthly(" 1/2019,     500\n");
    load_hp(*tp);
    test::fs::remove("SOLARMOD/MORDATES.2K");
    EXPECT_EQ(test::stop_status([&] { hp(2019, 1, 1); }, &message), kExitFileError);
    EXPECT_EQ(message, "SOLARMOD/MORDATES.2K: does not exist");

    test::fs::remove("SOLARMOD/MV-DATES.L99");
    EXPECT_EQ(test::stop_status([&] { load_hp(*tp); }), kExitFileError);
}

TEST_F(Potentials, DailyFileComesFirstThenTheTable) {
    monthly(" 6/2020,     600\n 7/2020,     700\n");
    daily("2020/06/15       615\n"
          "2020/06/15       999\n"  // never reached: the first line wins
          "06/2020         606\n"
          "2020/07/00       707\n"
          "00/2020         650\n");
    load_hp(*tp);
    EXPECT_EQ(hp(2020, 6, 15), 615);
    EXPECT_EQ(hp(2020, 6, 0), 606);   // month/year form
    EXPECT_EQ(hp(2020, 7, 0), 707);   // year/month/00 form
    EXPECT_EQ(hp(2020, 0, 0), 650);   // yearly value
    EXPECT_EQ(hp(2020, 6, 16), 600);  // a day never matches a month line
    EXPECT_EQ(hp(2020, 7, 31), 700);
    EXPECT_EQ(test::check_log_lines(tp).size(), 2u);  // no warnings
}

TEST_F(Potentials, SearchEndsAtTheFirstUnreadableLine) {
    monthly(" 6/2020,     600\n");
    daily("2020/06/01       601\n"
          "2020/06/02      6x02\n"
          "2020/06/03       603\n");
    load_hp(*tp);
    EXPECT_EQ(hp(2020, 6, 1), 601);
    EXPECT_EQ(hp(2020, 6, 3), 600);
}

TEST_F(Potentials, CommaAfterTheDateIsRead) {
    monthly(" 6/2020,     600\n");
    daily("2020/06/15,      123\n"
          "2020/06/16,      1190\n"  // the last digit is in column 21
          "2020/06/17,     1190\n"
          "2020/06/18      1190\n"
          "2020/12/25,   1345\n"
          "12/2020,   1346\n"
          "11/2020,1347\n");
    load_hp(*tp);
    EXPECT_EQ(hp(2020, 6, 15), 123);
    EXPECT_EQ(hp(2020, 6, 16), 119);
    EXPECT_EQ(hp(2020, 6, 17), 1190);
    EXPECT_EQ(hp(2020, 6, 18), 1190);
    EXPECT_EQ(hp(2020, 12, 25), 1345);
    EXPECT_EQ(hp(2020, 12, 0), 1346);
    EXPECT_EQ(hp(2020, 11, 0), 1347);
}

TEST_F(Potentials, EditsOfTheDailyFileCountAtTheNextLookup) {
    for (bool caching : {true, false}) {
        SCOPED_TRACE(caching ? "cached" : "read every time");
        tp->engine.caching = caching;
        monthly(" 6/2020,     600\n");
        daily("2020/06/15       615\n");
        load_hp(*tp);
        EXPECT_EQ(hp(2020, 6, 15), 615);
        EXPECT_EQ(hp(2020, 6, 16), 600);
        daily("2020/06/15       615\n2020/06/16       616\n");
        EXPECT_EQ(hp(2020, 6, 16), 616);
        daily("2020/06/15       625\n2020/06/16       616\n");  // same size
        EXPECT_EQ(hp(2020, 6, 15), 625);
        daily("");
        EXPECT_EQ(hp(2020, 6, 15), 600);
    }
}

TEST_F(Potentials, WindowsSettingOpensTheDailyFileWithABackslash) {
    tp->set.init.os = "WIN";
    monthly(" 6/2020,     600\n");
    daily("2020/06/15       615\n");
    test::write_file("SOLARMOD\\MORDATES.2K", "2020/06/15       715\n");
    load_hp(*tp);  // always SOLARMOD/MV-DATES.L99
    EXPECT_EQ(hp(2020, 6, 15), 715);
}

TEST(PotentialTree, CycleTreeReadsBothFilesInEveryForm) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    tp->set.init.os = "LINUX";
    load_hp(*tp);
    const MvDates& mv = tp->engine.mvdates;
    EXPECT_EQ(mv.last_year, 2030);
    EXPECT_EQ(mv.last_month, 12);
    int low = 10000, high = 0;
    for (int y = 1951; y <= 2030; ++y)
        for (int m = 1; m <= 12; ++m) {
            int v = date2hp(*tp, y, m, 20);
            low = std::min(low, v);
            high = std::max(high, v);
        }
    EXPECT_GE(low, 280);
    EXPECT_LE(high, 1220);
    EXPECT_GT(high - low, 800);
    // The daily values around the Forbush event differ from the month's.
    int march = date2hp(*tp, 2012, 3, 20);
    for (int day = 7; day <= 11; ++day) EXPECT_NE(date2hp(*tp, 2012, 3, day), march) << day;
    EXPECT_NE(date2hp(*tp, 2020, 6, 0), date2hp(*tp, 2020, 6, 1));
    EXPECT_NE(date2hp(*tp, 2021, 7, 0), date2hp(*tp, 2021, 7, 1));
    EXPECT_GT(date2hp(*tp, 2015, 0, 0), 0);
}

TEST(PotentialTree, ConstantTreeGivesOneValueForEveryDate) {
    tree::TreeOptions options;
    options.constant_potential_mv = 432;
    test::TreeWorkdir wd(options);
    test::TestProgram tp;
    tp->set.init.os = "LINUX";
    tp.log.open("DIAGNOSE/TOLV7CHK.DAT");
    load_hp(*tp);
    for (int y : {1951, 1987, 2024, 2100}) {
        EXPECT_EQ(date2hp(*tp, y, 0, 0), 432);
        EXPECT_EQ(date2hp(*tp, y, 2, 0), 432);
        EXPECT_EQ(date2hp(*tp, y, 12, 31), 432);
    }
    EXPECT_EQ(test::check_log_lines(tp).size(), 2u);
}

TEST(PotentialTree, StartUpLoadsForbushThenPotentials) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    start_up(*tp);
    std::string screen = tp.screen();
    auto forbush = screen.find(" Loading Forbush data\n");
    auto potentials = screen.find(" Loading TOLV-6 heliocentric potential data\n");
    ASSERT_NE(forbush, std::string::npos);
    ASSERT_NE(potentials, std::string::npos);
    EXPECT_LT(forbush, potentials);
    EXPECT_EQ(tp->engine.mvdates.last_year, 2030);
    auto log = test::check_log_lines(tp);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], " Loading TOLV-6 heliocentric potential data");
    EXPECT_EQ(log.back(), " Finished HP read");
}

}  // namespace
}  // namespace tolv7
