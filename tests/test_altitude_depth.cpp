// Altitude to atmospheric depth and back through ATMOSPHERE/FT-GM.DAT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>

#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "engine/altitude_depth.hpp"
#include "support/test_program.hpp"
#include "tools/data_tree.hpp"

namespace tolv7 {
namespace {

using test::stop_status;
using test::TestProgram;
namespace fs = std::filesystem;

struct Row {
    double kft;
    double depth;
};

std::vector<Row> table_rows() {
    std::istringstream in(test::read_file(kAltitudeTableFile));
    std::string header;
    std::getline(in, header);
    std::getline(in, header);
    std::vector<Row> rows;
    while (auto rec = read_free(in, 2)) rows.push_back({*rec->real(0), *rec->real(1)});
    return rows;
}

void write_table(const std::vector<Row>& rows, const std::string& tail = "") {
    std::string text = "header one\nheader two\n";
    char line[64];
    for (const Row& r : rows) {
        std::snprintf(line, sizeof line, "%9.2f  %.7E\n", r.kft, r.depth);
        text += line;
    }
    test::write_file(kAltitudeTableFile, text + tail);
}

// The altitude in feet where the depth of the table's rows crosses `depth`,
// from the rows alone: log-linear between the two rows around the crossing
// (the depth falls nearly exponentially with altitude).
double crossing_feet(const std::vector<Row>& rows, double depth) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].depth > depth) continue;
        double w = std::log(depth / rows[i - 1].depth) / std::log(rows[i].depth / rows[i - 1].depth);
        return 1000.0 * (rows[i - 1].kft + w * (rows[i].kft - rows[i - 1].kft));
    }
    return NAN;
}

std::vector<Row> scaled(std::vector<Row> rows, double factor) {
    for (Row& r : rows) r.depth *= factor;
    return rows;
}

class AltitudeDepth : public ::testing::Test {
protected:
    AltitudeDepth() : cwd_(dir_.path()) { tree::write_atmosphere(dir_.path(), {}); }
    test::TempDir dir_;
    test::ScopedCwd cwd_;
    TestProgram tp_;
};

TEST_F(AltitudeDepth, WrittenTableFallsStrictlyFromSeaLevelToAboveTheRange) {
    auto rows = table_rows();
    ASSERT_EQ(rows.size(), 553u);
    EXPECT_LE(rows.front().kft, -0.6);
    EXPECT_GE(rows.back().kft, 400.0);
    EXPECT_LT(rows.back().depth, 1e-4);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_GT(rows[i].kft, rows[i - 1].kft);
        EXPECT_LT(rows[i].depth, rows[i - 1].depth) << i;
    }
    // Sea level holds the standard pressure as depth: 101325 Pa / 98.0665 Pa
    // per g/cm2 = 1033.22745..., written with 8 digits.
    EXPECT_EQ(ft2gpcms(*tp_, 0.0), 1033.2275);
    EXPECT_NEAR(ft2gpcms(*tp_, 40000.0), 190.0, 5.0);   // about a fifth of the atmosphere
    EXPECT_NEAR(ft2gpcms(*tp_, 18000.0), 517.0, 10.0);  // about half
}

TEST_F(AltitudeDepth, TableLinesAreReturnedExactly) {
    auto rows = table_rows();
    for (std::size_t i : {1u, 2u, 57u, 300u, 400u})
        EXPECT_EQ(ft2gpcms(*tp_, rows[i].kft * 1000.0), rows[i].depth) << i;
    // The depth of a table line gives its altitude in km, worked by hand at
    // 0.3048 km per 1000 ft (the program's factor, in single precision, is
    // 1.2e-8 above it).
    const std::pair<double, double> altitudes[] = {{42.0, 12.8016}, {224.25, 68.3514}, {299.25, 91.2114}};
    for (auto [kft, expected_km] : altitudes) {
        auto row = std::find_if(rows.begin(), rows.end(), [kft = kft](const Row& r) { return r.kft == kft; });
        ASSERT_NE(row, rows.end()) << kft;
        EXPECT_NEAR(km(*tp_, row->depth), expected_km, 1e-7 * std::fabs(expected_km)) << kft;
    }
    EXPECT_EQ(km(*tp_, 1033.2275), 0.0);
}

TEST_F(AltitudeDepth, BoundsAreInclusiveAndBeyondThemTheProgramStops) {
    EXPECT_GT(ft2gpcms(*tp_, -600.0), 1035.0837);
    EXPECT_GT(ft2gpcms(*tp_, 400000.0), 0.0);
    EXPECT_GT(km(*tp_, 1e-4), 100.0);
    // The deepest depth km takes lies below sea level: the standard
    // atmosphere's pressure 1035.0837 x 98.0665 Pa is found 49.7 ft down.
    EXPECT_NEAR(km(*tp_, 1035.0837), -50.0 * 0.0003048, 2.0 * 0.0003048);

    EXPECT_EQ(stop_status([&] { ft2gpcms(*tp_, -601.0); }), kExitFatal);
    EXPECT_NE(tp_.screen().find(" FT ALTITUDE CONVERSION OUT OF RANGE "), std::string::npos);
    EXPECT_NE(tp_.screen().find("Fatal error, aborting program!"), std::string::npos);

    TestProgram high;
    EXPECT_EQ(stop_status([&] { ft2gpcms(*high, 400001.0); }), kExitFatal);
    EXPECT_NE(high.screen().find(" FT ALTITUDE CONVERSION OUT OF RANGE "), std::string::npos);

    for (double depth : {0.0, 1035.09, 9.99e-5}) {
        TestProgram t;
        EXPECT_EQ(stop_status([&] { km(*t, depth); }), kExitFatal) << depth;
        EXPECT_NE(t.screen().find(" ALTITUDE CONVERSION OUT OF RANGE "), std::string::npos);
        EXPECT_EQ(t.screen().find(" FT ALTITUDE"), std::string::npos);
    }
}

TEST_F(AltitudeDepth, AnEditOfTheTableCountsAtTheNextCall) {
    double before = ft2gpcms(*tp_, 35000.0);
    double altitude_before = km(*tp_, 300.0);
    auto rows = table_rows();
    for (Row& r : rows) r.depth *= 0.5;
    write_table(rows, "a line after the table is never read\n");
    EXPECT_NEAR(ft2gpcms(*tp_, 35000.0), before * 0.5, before * 1e-6);
    EXPECT_LT(km(*tp_, 300.0), altitude_before);
}

TEST_F(AltitudeDepth, CachedAndFreshReadingsAgreeBitForBit) {
    TestProgram fresh;
    fresh->engine.caching = false;
    for (double feet = -600.0; feet <= 400000.0; feet += 1234.5) EXPECT_EQ(ft2gpcms(*tp_, feet), ft2gpcms(*fresh, feet));
    for (double depth = 1e-4; depth <= 1035.0837; depth *= 1.37) EXPECT_EQ(km(*tp_, depth), km(*fresh, depth));
    AltitudeBounds cached = altitude_bounds(*tp_);
    AltitudeBounds read = altitude_bounds(*fresh);
    EXPECT_EQ(cached.lowest, read.lowest);
    EXPECT_EQ(cached.highest, read.highest);
    // A table with a zero altitude row makes the guarded spline replace it near sea level.
    EXPECT_EQ(km(*tp_, 1030.0), km(*fresh, 1030.0));
    EXPECT_EQ(km(*tp_, 1035.0), km(*fresh, 1035.0));
}

TEST_F(AltitudeDepth, KilometresConvertThroughTheSameTable) {
    EXPECT_EQ(ft2km(1000.0), 1000.0 * 0.00030479999259114265);
    EXPECT_EQ(km2depth(*tp_, 10.0), ft2gpcms(*tp_, 10.0 / 0.00030479999259114265));
    EXPECT_NEAR(km(*tp_, km2depth(*tp_, 10.0)), 10.0, 1e-3);
}

TEST_F(AltitudeDepth, AShortUnreadableOrMissingTableIsAFileErrorEvenAfterAGoodReading) {
    auto rows = table_rows();
    EXPECT_GT(ft2gpcms(*tp_, 1000.0), 0.0);
    write_table({rows.begin(), rows.end() - 1});
    EXPECT_EQ(stop_status([&] { ft2gpcms(*tp_, 1000.0); }), kExitFileError);

    write_table(rows);
    std::string text = test::read_file(kAltitudeTableFile);
    text.replace(text.find("1.0332275E+03"), 13, "1.0332275Q+03");
    test::write_file(kAltitudeTableFile, text);
    EXPECT_EQ(stop_status([&] { km(*tp_, 500.0); }), kExitFileError);

    fs::remove(kAltitudeTableFile);
    EXPECT_EQ(stop_status([&] { km(*tp_, 500.0); }), kExitFileError);
}

TEST_F(AltitudeDepth, AltitudesThatDoNotRiseOrDepthsThatDoNotFallStopAtLoadNamingTheFileLine) {
    tp_->engine.caching = false;  // tables of the same size, written at once
    const auto original = table_rows();
    struct Case {
        std::function<void(std::vector<Row>&)> change;
        const char* message;
    };
    const Case cases[] = {
        {[](std::vector<Row>& r) { std::swap(r[9], r[10]); },
         "ATMOSPHERE/FT-GM.DAT: line 13: the altitude 6.00 kft does not rise above the line before"},
        {[](std::vector<Row>& r) { r[57].depth = 9.9e29; },
         "ATMOSPHERE/FT-GM.DAT: line 60: the depth 9.9000000E+29 g/cm2 does not fall below the line before"},
        {[](std::vector<Row>& r) { r[300].depth = r[299].depth; },
         "ATMOSPHERE/FT-GM.DAT: line 303: the depth 7.0618679E-02 g/cm2 does not fall below the line before"},
    };
    for (const Case& c : cases) {
        auto rows = original;
        c.change(rows);
        write_table(rows);
        std::string message;
        EXPECT_EQ(stop_status([&] { ft2gpcms(*tp_, 1000.0); }, &message), kExitFileError);
        EXPECT_EQ(message, c.message);
    }
    // Lines count as the file has them: a blank line before the rows moves
    // them down by one.
    auto rows = original;
    std::swap(rows[9], rows[10]);
    write_table(rows);
    std::string message;
    std::string text = test::read_file(kAltitudeTableFile);
    text.insert(text.find("header two\n") + 11, "\n");
    test::write_file(kAltitudeTableFile, text);
    EXPECT_EQ(stop_status([&] { ft2gpcms(*tp_, 1000.0); }, &message), kExitFileError);
    EXPECT_NE(message.find("ATMOSPHERE/FT-GM.DAT: line 14:"), std::string::npos) << message;
}

// The bounds of a table are where its depth leaves the range of km, unless
// -600 ft or 400000 ft comes first; each bound is the last altitude whose
// depth km takes. Expected crossings come from the table's rows; the default
// table's lowest also from the standard atmosphere: the pressure 1035.0837 x
// 98.0665 Pa lies 49.7 ft below sea level.
TEST_F(AltitudeDepth, BoundsAreWhereTheDepthLeavesTheRangeOfKm) {
    // Each case writes a table of the same size at once; a file system whose
    // times are coarse would not show the change to the cache.
    tp_->engine.caching = false;
    const auto rows = table_rows();
    struct Case {
        double factor;           // on every depth of the default table
        double lowest, highest;  // NAN: the rows' crossing
    };
    const Case cases[] = {{1.0, NAN, NAN}, {0.5, -600.0, NAN}, {100.0, NAN, 400000.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.factor);
        write_table(scaled(rows, c.factor));
        auto written = table_rows();
        AltitudeBounds b = altitude_bounds(*tp_);
        ASSERT_TRUE(b.usable);
        if (std::isnan(c.lowest))
            EXPECT_NEAR(b.lowest, crossing_feet(written, 1035.0837), 5.0);
        else
            EXPECT_EQ(b.lowest, c.lowest);
        if (std::isnan(c.highest))
            EXPECT_NEAR(b.highest, crossing_feet(written, 1.0e-4), 5.0);
        else
            EXPECT_EQ(b.highest, c.highest);
        EXPECT_LE(ft2gpcms(*tp_, b.lowest), 1035.083740234375);
        EXPECT_GE(ft2gpcms(*tp_, b.highest), 9.999999747378752e-5);
        if (b.lowest > -600.0) {
            EXPECT_GT(ft2gpcms(*tp_, std::nextafter(b.lowest, -HUGE_VAL)), 1035.083740234375);
        }
        if (b.highest < 400000.0) {
            EXPECT_LT(ft2gpcms(*tp_, std::nextafter(b.highest, HUGE_VAL)), 9.999999747378752e-5);
        }
        EXPECT_TRUE(b.holds(b.lowest) && b.holds(b.highest));
        EXPECT_FALSE(b.holds(std::nextafter(b.lowest, -HUGE_VAL)) || b.holds(std::nextafter(b.highest, HUGE_VAL)));
        EXPECT_FALSE(b.holds(NAN));
    }
    write_table(rows);
    EXPECT_NEAR(altitude_bounds(*tp_).lowest, -49.7, 0.5);
}

// No altitude within the bounds reaches the fatal stop of km: every 100 ft
// from one bound to the other, and every hundredth of a foot near each.
TEST_F(AltitudeDepth, EveryAltitudeWithinTheBoundsHasADepthThatKmTakes) {
    AltitudeBounds b = altitude_bounds(*tp_);
    std::vector<double> altitudes;
    for (double feet = b.lowest; feet <= b.highest; feet += 100.0) altitudes.push_back(feet);
    for (double step = 0.0; step <= 10.0; step += 0.01) {
        altitudes.push_back(b.lowest + step);
        altitudes.push_back(b.highest - step);
    }
    int stops = 0;
    for (double feet : altitudes) stops += stop_status([&] { km(*tp_, ft2gpcms(*tp_, feet)); }) != -1;
    EXPECT_EQ(stops, 0);
}

// Feet, kilometres, and depths for any other unit letter, each against the
// bounds in its own unit; what is not a number is never taken.
TEST_F(AltitudeDepth, TheEngineTakesAltitudesInEachUnitWithinItsBounds) {
    AltitudeBounds b = altitude_bounds(*tp_);
    const double lowest_km = b.lowest * 0.0003048;
    struct Case {
        char unit;
        double altitude;
        bool taken;
    };
    const Case cases[] = {{'F', -40.0, true},       {'F', -60.0, false},          {'F', -2000.0, false},
                          {'F', 353000.0, true},    {'F', 354000.0, false},       {'F', NAN, false},
                          {'K', lowest_km + 1e-6, true}, {'K', lowest_km - 1e-6, false}, {'K', 107.5, true},
                          {'K', 108.0, false},      {'G', 1e-4, true},            {'G', 1035.0837, true},
                          {'G', 1035.09, false},    {'G', 0.0, false},            {'f', -2000.0, false},
                          {'f', 500.0, true},       {'G', NAN, false}};
    for (const Case& c : cases)
        EXPECT_EQ(engine_takes(*tp_, c.unit, c.altitude), c.taken) << c.unit << " " << c.altitude;
}

// A table that gives no altitude a depth km takes (all too deep, or all
// too thin) cannot be flown through: asking its bounds stops the program as
// a damaged data file, while the conversions still answer as before.
TEST_F(AltitudeDepth, ATableWithoutAnAltitudeInTheRangeOfKmStopsWhenItsBoundsAreAsked) {
    const auto rows = table_rows();
    for (double factor : {1.0e8, 1.0e-8}) {
        SCOPED_TRACE(factor);
        write_table(scaled(rows, factor));
        EXPECT_GT(ft2gpcms(*tp_, 35000.0), 0.0);
        std::string message;
        EXPECT_EQ(stop_status([&] { altitude_bounds(*tp_); }, &message), kExitFileError);
        EXPECT_NE(message.find("ATMOSPHERE/FT-GM.DAT: gives no altitude from -600 to 400000 ft a depth from 0.0001 to "
                               "1035.0837 g/cm2"),
                  std::string::npos)
            << message;
    }
}

}  // namespace
}  // namespace tolv7
