// Forbush factors: loading FORBUSH/FORBUSH.DAT and scaling the primary flux
// by the factor of an hour, of a day, or 1.0 for averages and far dates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "engine/forbush.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/decimal_year.hpp"

namespace tolv7 {
namespace {

using test::decimal_year;

std::string fd_line(int y, int m, int d, int h, double factor) {
    return fmt_i(y, 4) + fmt_i(m, 4) + fmt_i(d, 4) + fmt_i(h, 4) + fmt_i(1, 4) + fmt_f(6400.5, 10, 4) + fmt_i(12, 6) +
           fmt_f(factor, 10, 4) + "\n";
}

class Forbush : public ::testing::Test, protected test::LoggedWorkdir {
protected:
    void load(const std::string& text) {
        test::write_file("FORBUSH/FORBUSH.DAT", text);
        loadforbush(*tp);
    }
    // The factor of the date, checking that it scaled a flux table.
    double factor_at(double date) {
        std::vector<double> flux(2700, 2.0);
        double factor = -1.0;
        forbush(*tp, date, flux, factor);
        for (double v : flux) EXPECT_EQ(v, 2.0 * factor);
        return factor;
    }
};

TEST_F(Forbush, HourlyFactorsAndTheirBound) {
    load(fd_line(2005, 1, 17, 5, 0.9)      //
         + fd_line(2005, 1, 17, 5, 0.85)   // a later line replaces the earlier
         + fd_line(2005, 1, 17, 6, 1.3)    // above the single-precision 1.3
         + fd_line(2005, 1, 17, 7, 1.29)   //
         + fd_line(2005, 1, 18, 0, 0.75));
    EXPECT_EQ(tp.screen(), " Loading Forbush data\n");
    EXPECT_DOUBLE_EQ(factor_at(decimal_year(2005, 1, 17, 5)), 0.85);
    EXPECT_EQ(factor_at(decimal_year(2005, 1, 17, 6)), 1.0);
    EXPECT_DOUBLE_EQ(factor_at(decimal_year(2005, 1, 17, 7)), 1.29);
    EXPECT_EQ(factor_at(decimal_year(2005, 1, 17, 8)), 1.0);
    // 23:45 rounds to hour 24, which is 0 h of the next day.
    EXPECT_DOUBLE_EQ(factor_at(2005 + (17 + 23.75 / 24) / 365), 0.75);
    auto log = test::check_log_lines(tp);
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], " FORBUSH correction is:" + std::string(14, ' ') + "0.85");
    EXPECT_EQ(log[1], " FORBUSH correction is:" + std::string(15, ' ') + "1.0");
}

TEST_F(Forbush, DailyMeanCountsMissingHoursAsOne) {
    load(fd_line(2005, 1, 17, 0, 0.76) + fd_line(2005, 1, 17, 12, 0.52) + fd_line(2005, 1, 17, 23, 1.5));
    tp->engine.useaves = {0, 0, -1};
    EXPECT_DOUBLE_EQ(factor_at(decimal_year(2005, 1, 17, 12)), (0.76 + 0.52 + 22.0) / 24.0);
    EXPECT_EQ(factor_at(decimal_year(2005, 1, 18, 12)), 1.0);
}

TEST_F(Forbush, AveragesGiveOneWithoutScaling) {
    load(fd_line(2005, 1, 17, 12, 0.5));
    for (auto aves : {std::array<std::int32_t, 3>{-1, 0, 0}, std::array<std::int32_t, 3>{0, -1, -1}}) {
        tp->engine.useaves = aves;
        EXPECT_EQ(factor_at(decimal_year(2005, 1, 17, 12)), 1.0);
    }
    EXPECT_EQ(test::check_log_lines(tp), (std::vector<std::string>{
                               "  Date is a monthly or yearly average, no FDs",
                               " Monthly average, FORBUSH correction:" + std::string(15, ' ') + "1.0",
                               "  Date is a monthly or yearly average, no FDs",
                               " Monthly average, FORBUSH correction:" + std::string(15, ' ') + "1.0",
                           }));
    EXPECT_EQ(tp.screen(), " Loading Forbush data\n");
}

TEST_F(Forbush, DatesOutsideTheTableGiveOneWithWarnings) {
    load(fd_line(1957, 12, 30, 12, 0.5) + fd_line(2056, 12, 30, 15, 0.6));
    EXPECT_EQ(factor_at(decimal_year(1957, 12, 30, 12)), 1.0);
    EXPECT_DOUBLE_EQ(factor_at(2056.9990234375), 0.6);  // 30 December, 15 h
    EXPECT_EQ(factor_at(2056.99903), 1.0);
    std::vector<double> flux(2700, 2.0);
    double factor = 0.0;
    forbush(*tp, std::nan(""), flux, factor);
    EXPECT_EQ(factor, 1.0);
    const std::string w1 = " Date is out of range for Forbush data";
    const std::string w2 = " Warning: FORBUSH FACTOR IS ASSUMED AS " + std::string(15, ' ') + "1.0";
    auto log = test::check_log_lines(tp);
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], w1);
    EXPECT_EQ(log[1], w2);
    EXPECT_EQ(log[5], w1);
    EXPECT_EQ(log[6], w2);
    auto screen = test::split_lines(tp.screen());
    EXPECT_EQ(std::count(screen.begin(), screen.end(), w2), 3);
}

TEST_F(Forbush, LinesOutsideTheTableAreSkipped) {
    load(fd_line(2057, 1, 1, 0, 0.5) + fd_line(2005, 13, 1, 0, 0.5) + fd_line(2005, 1, 32, 0, 0.5) +
         fd_line(2005, 1, 1, 24, 0.5) + fd_line(2005, 2, 1, -1, 0.5) + "\n" + fd_line(2005, 1, 2, 0, 0.7));
    EXPECT_DOUBLE_EQ(factor_at(decimal_year(2005, 1, 2, 0)), 0.7);
    EXPECT_EQ(factor_at(decimal_year(2005, 2, 1, 0)), 1.0);
    EXPECT_EQ(factor_at(decimal_year(2005, 1, 1, 0)), 1.0);
}

TEST_F(Forbush, ReloadMirrorsTheFileAndBadFilesStop) {
    load(fd_line(2005, 1, 17, 5, 0.9));
    load("");
    EXPECT_EQ(factor_at(decimal_year(2005, 1, 17, 5)), 1.0);

    std::string bad = fd_line(2005, 1, 17, 5, 0.9) + fd_line(2005, 1, 17, 6, 0.9);
    bad[bad.size() - 3] = 'x';
    std::string message;
    EXPECT_EQ(test::stop_status([&] { load(bad); }, &message), kExitFileError);
    EXPECT_EQ(message, "FORBUSH/FORBUSH.DAT: line 2 \"" + bad.substr(bad.find('\n') + 1, bad.size() - bad.find('\n') - 2) +
                           "\" cannot be read as Forbush data");
    test::fs::remove("FORBUSH/FORBUSH.DAT");
    EXPECT_EQ(test::stop_status([&] { loadforbush(*tp); }), kExitFileError);
}

TEST_F(Forbush, FactorNotAboveZeroStopsNamingTheFileAndLine) {
    for (double factor : {0.0, -0.5}) {
        std::string message;
        EXPECT_EQ(test::stop_status([&] { load(fd_line(2005, 1, 17, 5, 0.9) + fd_line(2005, 1, 17, 6, factor)); },
                                    &message),
                  kExitFileError);
        EXPECT_NE(message.find("FORBUSH/FORBUSH.DAT: line 2: the Forbush factor"), std::string::npos) << message;
    }
}

TEST(ForbushTree, OneDecreaseEventInMarch2012) {
    test::TreeWorkdir wd;
    test::TestProgram tp;
    tp->set.init.os = "LINUX";
    loadforbush(*tp);
    std::vector<double> flux(2700, 1.0);
    auto at = [&](int d, int h) {
        double factor = 0.0;
        forbush(*tp, decimal_year(2012, 3, d, h), flux, factor);
        return factor;
    };
    EXPECT_EQ(at(8, 10), 1.0);
    EXPECT_DOUBLE_EQ(at(8, 20), 0.88);
    EXPECT_LT(at(9, 12), at(12, 12));
    EXPECT_GT(at(12, 23), 0.99);
    EXPECT_EQ(at(13, 12), 1.0);
    tp->engine.useaves = {0, 0, -1};
    double day = at(9, 12);
    EXPECT_GT(day, 0.88);
    EXPECT_LT(day, 0.95);
}

}  // namespace
}  // namespace tolv7
