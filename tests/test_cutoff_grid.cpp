// Vertical cutoff from the epoch grids: the page layout, interpolation
// inside a cell, wrapping, epochs, altitude, the grid files and their cache.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "app/program_stop.hpp"
#include "engine/cutoff_grid.hpp"
#include "engine/findcut.hpp"
#include "engine/kp_adjust.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

using test::stop_status;
using test::TreeWorkdir;
namespace fs = std::filesystem;

tree::TreeOptions grid_tree(tree::CutoffShape shape) {
    tree::TreeOptions o;
    o.cutoffs = shape;
    return o;
}

// The linear test grid of the tree builder: value at integer degrees.
double linear(int epoch, double lat, double lon) { return (epoch - 1900) + 0.5 * lat + 0.25 * lon; }

struct Cut {
    double vcut = 0.0;
    double skycut = 0.0;
    double skypass = 0.0;
    double skywt = 0.0;
};

Cut cut(Program& p, double date, double lat, double lon, double alt_km = 10.0) {
    Cut c;
    findcut(p, 1, 1, date, lat, lon, alt_km, c.vcut, {&c.skycut, 1}, {&c.skypass, 1}, {&c.skywt, 1});
    return c;
}

// A program in the working folder that skips the storm step (a yearly
// average), so that the vertical cutoff is the grid interpolation alone.
void quiet(test::TestProgram& tp) {
    tp->set.init.os = "LINUX";
    tp->engine.useaves = {-1, 0, 0};
}

TEST(CutoffInterpolation, IsExactOnALinearGridAcrossPagesAndBlocks) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    test::TestProgram tp;
    quiet(tp);
    const double points[][2] = {{39.5, 19.5}, {9.5, 39.5},    {-0.5, 19.5},  {-39.5, 39.5}, {79.5, 0.5},
                                {-9.5, 100.5}, {49.5, 339.5}, {-79.5, 219.25}, {12, 34},      {-45.75, 180.0}};
    for (const auto& pt : points) {
        SCOPED_TRACE(testing::Message() << pt[0] << " " << pt[1]);
        EXPECT_EQ(cut(*tp, 1960.0, pt[0], pt[1]).vcut, linear(1965, pt[0], pt[1]));
    }
}

TEST(CutoffInterpolation, WrapsLongitudesAndUsesThe89RowNearThePoles) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    test::TestProgram tp;
    quiet(tp);
    // 359.5 lies between column 359 and column 0.
    double between = 0.5 * linear(1965, 45, 359) + 0.5 * linear(1965, 45, 0);
    EXPECT_EQ(cut(*tp, 1960.0, 45, 359.5).vcut, between);
    EXPECT_EQ(cut(*tp, 1960.0, 45, -0.5).vcut, between);
    EXPECT_EQ(cut(*tp, 1960.0, 45, 360.0).vcut, linear(1965, 45, 0));
    EXPECT_EQ(cut(*tp, 1960.0, 45, 720.25).vcut, linear(1965, 45, 0.25));
    EXPECT_EQ(cut(*tp, 1960.0, 45, -359.0).vcut, linear(1965, 45, 1));
    // A longitude a hair below 0 wraps to 360 itself, which is column 0.
    EXPECT_EQ(cut(*tp, 1960.0, 45, -1e-20).vcut, linear(1965, 45, 0));
    // Beyond 89 degrees both rows are the 89 row (the 90 row is never used).
    EXPECT_EQ(cut(*tp, 1960.0, 89.5, 10.5).vcut, linear(1965, 89, 10.5));
    EXPECT_EQ(cut(*tp, 1960.0, 90.0, 10.5).vcut, linear(1965, 89, 10.5));
    EXPECT_EQ(cut(*tp, 1960.0, -89.5, 10.5).vcut, linear(1965, -89, 10.5));
}

TEST(CutoffInterpolation, RefusesAPlaceThatIsNotANumber) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (auto [lat, lon] : {std::pair{nan, 10.0}, std::pair{10.0, nan}, std::pair{10.0, inf}, std::pair{-inf, 0.0}}) {
        test::TestProgram tp;
        quiet(tp);
        EXPECT_EQ(stop_status([&, lat = lat, lon = lon] { cut(*tp, 1960.0, lat, lon); }), kExitFatal);
        EXPECT_NE(tp.screen().find("latitude or longitude is not a number"), std::string::npos);
        EXPECT_NE(tp.screen().find("Fatal error, aborting program!"), std::string::npos);
    }
}

TEST(CutoffEpochs, PairTurnsOverAboutHalfAYearBeforeEachEpoch) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    test::TestProgram tp;
    quiet(tp);
    double x = 0.5 * 30.5 + 0.25 * 120.5;  // the place's share of the linear grid
    EXPECT_EQ(cut(*tp, 1964.45, 30.5, 120.5).vcut, 65 + x);  // 1965 alone
    // 1965 and 1980, extrapolated back from 1965: Rc = Rl + (Rl - Ru) / (1965 - 1980) * (date - 1965).
    EXPECT_DOUBLE_EQ(cut(*tp, 1964.46, 30.5, 120.5).vcut, (65 + x) + (1964.46 - 1965));
    EXPECT_DOUBLE_EQ(cut(*tp, 1972.5, 30.5, 120.5).vcut, (65 + x) + (1972.5 - 1965));
    EXPECT_DOUBLE_EQ(cut(*tp, 1992.0, 30.5, 120.5).vcut, (90 + x) + (1992.0 - 1990));
    EXPECT_DOUBLE_EQ(cut(*tp, 2009.45, 30.5, 120.5).vcut, (100 + x) + (2009.45 - 2000));
    EXPECT_EQ(cut(*tp, 2009.46, 30.5, 120.5).vcut, 110 + x);  // 2010 alone
    EXPECT_EQ(cut(*tp, 2030.0, 30.5, 120.5).vcut, 110 + x);
}

TEST(CutoffAltitude, FactorIsOneUpTo20KmAndFallsAbove) {
    EXPECT_EQ(vcaltadj(1, 19.99), 1.0);
    EXPECT_EQ(vcaltadj(1, 20.0), 1.0);
    // Grid 6 is for 20 km: (6391 / 6401) to the power 2.0353000164031982
    // (mpmath).
    EXPECT_DOUBLE_EQ(vcaltadj(6, 30.0), 0.99682291189512729);
    EXPECT_LT(vcaltadj(6, 30.0), 1.0);

    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    test::TestProgram tp;
    quiet(tp);
    EXPECT_EQ(cut(*tp, 1960.0, 12, 34, 19.99).vcut, linear(1965, 12, 34));
    EXPECT_DOUBLE_EQ(cut(*tp, 1960.0, 12, 34, 30.0).vcut, linear(1965, 12, 34) * vcaltadj(1, 30.0));
}

TEST(CutoffGridFiles, AllSixMustExistAtTheFirstCall) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    fs::remove_all(wd.path() / "CUTOFFS");  // a link to the shared tree (or a copy): use a copy of its own
    fs::copy(test::shared_tree(grid_tree(tree::CutoffShape::Linear)) / "CUTOFFS", wd.path() / "CUTOFFS");
    fs::remove(wd.path() / "CUTOFFS/IGRF1995.1X1");
    test::TestProgram tp;
    quiet(tp);
    std::string what;
    EXPECT_EQ(stop_status([&] { cut(*tp, 1960.0, 0, 0); }, &what), kExitFileError);  // the 1965 grid alone
    EXPECT_NE(what.find("CUTOFFS/IGRF1995.1X1"), std::string::npos);
}

TEST(CutoffGridFiles, AnUnreadableLatitudeLineStopsNamingFileAndLine) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    fs::remove_all(wd.path() / "CUTOFFS");
    fs::copy(test::shared_tree(grid_tree(tree::CutoffShape::Linear)) / "CUTOFFS", wd.path() / "CUTOFFS");
    auto lines = test::read_lines(wd.path() / "CUTOFFS/IGRF2000.1X1");
    lines[0] = "a heading line may hold anything";
    lines[216 + 66 - 1] = "   39  " + std::string(6 * 20, 'x');  // page 2, latitude 39
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    test::write_file(wd.path() / "CUTOFFS/IGRF2000.1X1", text);
    test::TestProgram tp;
    quiet(tp);
    std::string what;
    EXPECT_EQ(stop_status([&] { cut(*tp, 1960.0, 0, 0); }, &what), kExitFileError);
    EXPECT_NE(what.find("CUTOFFS/IGRF2000.1X1"), std::string::npos);
    EXPECT_NE(what.find("line 282 "), std::string::npos);

    // A file that ends before its last page is unreadable as well.
    lines.resize(3000);
    text.clear();
    for (const auto& l : lines) text += l + "\n";
    test::write_file(wd.path() / "CUTOFFS/IGRF2000.1X1", text);
    test::TestProgram tp2;
    quiet(tp2);
    EXPECT_EQ(stop_status([&] { cut(*tp2, 1960.0, 0, 0); }, &what), kExitFileError);
    EXPECT_NE(what.find("CUTOFFS/IGRF2000.1X1"), std::string::npos);
}

TEST(CutoffGridFiles, ValuesReadAsSixColumnFieldsWithTwoImpliedDecimals) {
    auto lines = test::read_lines(test::shared_tree(grid_tree(tree::CutoffShape::Zero)) / "CUTOFFS/IGRF2010.1X1");
    // Page 1, latitude 0 (line 108): plain values, no point, inner blanks,
    // an exponent, a blank field, a sign; the rest of the line missing.
    lines[107] = "    0    1.23  0.50   123  1 23 1.2E1         .75 14.99";
    std::string text;
    for (const auto& l : lines) text += l + "\n";
    std::istringstream in(text);
    CutoffGrid grid = parse_cutoff_grid(in, "grid");
    const double expected[] = {1.23, 0.5, 1.23, 1.23, 12.0, 0.0, 0.75, 14.99, 0.0};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(vmcr(grid, 0, k), expected[k]) << k;
    EXPECT_EQ(vmcr(grid, 1, 0), 0.0);
}

TEST(CutoffGridFiles, NegativeOrNonNumericCutoffStopsNamingTheFileAndLine) {
    auto lines = test::read_lines(test::shared_tree(grid_tree(tree::CutoffShape::Zero)) / "CUTOFFS/IGRF2010.1X1");
    for (const char* bad : {"    0    1.23 -0.50", "    0    1.23   nan"}) {
        SCOPED_TRACE(bad);
        auto damaged = lines;
        damaged[107] = bad;
        std::string text;
        for (const auto& l : damaged) text += l + "\n";
        std::istringstream in(text);
        std::string message;
        EXPECT_EQ(test::stop_status([&] { parse_cutoff_grid(in, "CUTOFFS/IGRF2010.1X1"); }, &message), kExitFileError);
        EXPECT_NE(message.find("CUTOFFS/IGRF2010.1X1: line 108"), std::string::npos) << message;
    }
}

TEST(CutoffGridFiles, ParsedGridsGiveTheSameValuesAsReadingAfresh) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Dipole));
    test::TestProgram cached;
    test::TestProgram fresh;
    quiet(cached);
    quiet(fresh);
    fresh->engine.caching = false;
    for (double date : {1960.3, 1977.9, 1994.2, 2005.5, 2019.25})
        for (double lat = -90.0; lat <= 90.0; lat += 41.3)
            for (double lon = -200.0; lon <= 400.0; lon += 97.3) {
                Cut a = cut(*cached, date, lat, lon, 11.0);
                Cut b = cut(*fresh, date, lat, lon, 11.0);
                ASSERT_EQ(a.vcut, b.vcut) << date << " " << lat << " " << lon;
                ASSERT_EQ(a.skycut, b.skycut);
                ASSERT_EQ(a.skywt, b.skywt);
            }
}

TEST(CutoffLog, IsWrittenFromItsBeginningByTheFirstCallOfARun) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Zero));
    test::write_file(wd.path() / "DIAGNOSE/DIAGNOSE.SKY", "an earlier run's line\nand another\n");
    test::TestProgram tp;
    quiet(tp);
    cut(*tp, 2019.5, 10, 10);
    tp->engine.useaves = {0, 0, 0};
    cut(*tp, 2019.5, 10, 10);
    auto lines = test::read_lines(wd.path() / "DIAGNOSE/DIAGNOSE.SKY");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " SKIPPED KP BASED ADJUSTMENT, TIME SCALE TOO LONG");
    EXPECT_EQ(lines[1].substr(0, 9), "Found Kp=");
}

TEST(CutoffFindcut, LeavesTheSkyArraysAloneWithoutBandsOrSectors) {
    TreeWorkdir wd(grid_tree(tree::CutoffShape::Linear));
    test::TestProgram tp;
    quiet(tp);
    double vcut = -1.0;
    double c = 7.0, s = 7.0, w = 7.0;
    findcut(*tp, 1, 0, 1960.0, 12, 34, 5.0, vcut, {&c, 1}, {&s, 1}, {&w, 1});
    findcut(*tp, 0, 1, 1960.0, 12, 34, 5.0, vcut, {&c, 1}, {&s, 1}, {&w, 1});
    EXPECT_EQ(vcut, linear(1965, 12, 34));
    EXPECT_EQ(c, 7.0);
    EXPECT_EQ(s, 7.0);
    EXPECT_EQ(w, 7.0);
}

TEST(DipoleTree, CutoffIsHighestNearTheGeomagneticEquatorAndNearZeroAtThePoles) {
    TreeWorkdir wd;
    test::TestProgram tp;
    quiet(tp);
    double highest = 0.0;
    for (double lat = -30.0; lat <= 30.0; lat += 1.0) highest = std::max(highest, cut(*tp, 2019.5, lat, 0.0).vcut);
    EXPECT_GT(highest, 14.0);
    EXPECT_LT(highest, 15.0);
    EXPECT_LT(cut(*tp, 2019.5, 80.0, 287.0).vcut, 0.05);   // near the boreal geomagnetic pole
    EXPECT_LT(cut(*tp, 2019.5, -80.0, 107.0).vcut, 0.05);  // and the austral one
    EXPECT_GT(cut(*tp, 1960.0, 0.0, 0.0).vcut, cut(*tp, 2019.5, 0.0, 0.0).vcut);  // the dipole weakens
}

}  // namespace
}  // namespace tolv7
