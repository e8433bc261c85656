// City-pair flights: the profile and its weights, the start time, the dose
// sum, the result and report files, and whole runs of the built program.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "airports/airport_record.hpp"
#include "app/fortran_format.hpp"
#include "app/menu_flow.hpp"
#include "app/program_stop.hpp"
#include "app/shell.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "engine/dose.hpp"
#include "program/startup.hpp"
#include "runs/big_flight_dose.hpp"
#include "runs/big_flight_report.hpp"
#include "runs/city_pair_run.hpp"
#include "runs/flight_time.hpp"
#include "runs/geodesy.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/even_rate_tree.hpp"

namespace tolv7::test {
namespace {

// A user airport line (89 columns) at whole degrees.
std::string user_airport(const std::string& name, const std::string& icao, int lat, char ns, int lon, char ew,
                         int feet) {
    return pad_to(name, 30) + pad_to(icao, 6) + pad_to(name + " CITY", 30) + fmt_i(lat, 2, 2) + "0000" + "0" +
           (ns == 'N' ? "0" : "}") + fmt_i(lon, 3, 3) + "0000" + "0" + (ew == 'W' ? "0" : "}") + fmt_i(feet, 5, 5) +
           "0";
}

// Airports at the cruise altitude of 35000 ft: every point of a flight
// cruising there is at one depth and has the same rate on the even tree.
void write_high_airports() {
    write_file("AIRPORTS/NEWPORTS.DAT", user_airport("HIGH ALPHA", "ZZHA", 46, 'N', 8, 'E', 35000) + "\n" +
                                            user_airport("HIGH BRAVO", "ZZHB", 47, 'N', 11, 'E', 35000) + "\n" +
                                            user_airport("HIGH POLAR", "ZZHP", 70, 'N', 150, 'W', 35000) + "\n" +
                                            end_of_file_record() + "\n");
}

BigFlightRecord record(int climb, const std::vector<std::pair<int, int>>& steps, int descent) {
    BigFlightRecord r;
    r.climb = climb;
    r.steps = static_cast<int>(steps.size());
    for (std::size_t k = 0; k < steps.size(); ++k) {
        r.step_feet[k] = steps[k].first;
        r.step_min[k] = steps[k].second;
        r.cruise += steps[k].second;
    }
    r.descent = descent;
    r.total = climb + r.cruise + descent;
    return r;
}

// One flight record of a *.BIG file.
std::string big_record(const std::string& name, const std::string& date, const std::string& from,
                       const std::string& to, int climb, const std::vector<std::pair<int, int>>& steps, int descent,
                       bool separator = true) {
    std::string text = name + "\n" + date + "\n" + from + "\n" + to + "\n" + std::to_string(steps.size()) + "\n" +
                       std::to_string(climb) + "\n";
    for (auto [feet, minutes] : steps) text += std::to_string(feet) + " " + std::to_string(minutes) + "\n";
    return text + std::to_string(descent) + "\n" + (separator ? "--------\n" : "");
}

class Profile : public ::testing::Test {
protected:
    double depth(double feet) { return ft2gpcms(*tp, feet); }
    TreeWorkdir wd{even_rate_tree()};
    TestProgram tp;
    FlightEnd origin{46.0, 8.0, 6000.0};
    FlightEnd destination{47.0, 11.0, 6500.0};
};

TEST_F(Profile, CruiseIsThinnedToOnePointPerWholeBlockOfNine) {
    const int G = 10;
    const int D = 12;
    for (int K : {8, 9, 20}) {
        FlightProfile f = flight_profile(*tp, record(G, {{35000, K}}, D), origin, destination);
        ASSERT_EQ(f.status, FlightStatus::Computed);
        ASSERT_EQ(f.weight.size(), static_cast<std::size_t>(G + K + D + 4));
        thin_cruise(K, G, f.weight);
        std::vector<double> cruise(f.weight.begin() + G + 2, f.weight.begin() + G + 2 + K);  // points G+3..
        std::vector<double> expected(static_cast<std::size_t>(K), 1.0);
        if (K == 9) expected = {0, 0, 0, 0, 9, 0, 0, 0, 0};
        if (K == 20) expected = {0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 1, 1};
        EXPECT_EQ(cruise, expected) << K;
        EXPECT_EQ(f.weight[0], 0.5);
        EXPECT_EQ(f.weight[G], 0.5);          // top of the climb
        EXPECT_EQ(f.weight[G + 1], 0.0);      // start of cruise
        EXPECT_EQ(f.weight[G + 2 + K], 0.5);  // top of descent
        EXPECT_EQ(f.weight[G + 3 + K], (D - 1.0) / D);
        EXPECT_EQ(f.weight.back(), 0.5);
        double sum = 0.0;
        int evaluated = 0;
        for (double w : f.weight) {
            sum += w;
            evaluated += w != 0.0;
        }
        EXPECT_NEAR(sum, G + K + D, 1e-9) << K;
        EXPECT_EQ(evaluated, 3 + G + K / 9 + K % 9 + D) << K;
    }
}

TEST_F(Profile, ClimbHoldsEachStepAndDescends) {
    // Steps of 2, 0 and 3 minutes: cruise minutes 1-2 at the first, 3 at the
    // second, 4-5 at the third.
    BigFlightRecord r = record(4, {{30000, 2}, {32000, 0}, {34000, 3}}, 5);
    FlightProfile f = flight_profile(*tp, r, origin, destination);
    ASSERT_EQ(f.depth.size(), 18u);
    EXPECT_EQ(f.depth[0], depth(6000));
    EXPECT_EQ(f.depth[1], depth(1 * ((30000 - 6000.0) / 4) + 6000));
    EXPECT_EQ(f.depth[4], depth(30000));
    EXPECT_EQ(f.depth[5], depth(34000));  // start of cruise: the last cruise minute's altitude
    std::vector<double> cruise(f.depth.begin() + 6, f.depth.begin() + 11);
    EXPECT_EQ(cruise, (std::vector<double>{depth(30000), depth(30000), depth(32000), depth(34000), depth(34000)}));
    EXPECT_EQ(f.depth[11], f.depth[10]);  // top of descent copies the last cruise point
    EXPECT_EQ(f.lat[11], f.lat[10]);
    EXPECT_EQ(f.depth[12], depth(34000 - 1 * ((34000 - 6500.0) / 5)));
    EXPECT_EQ(f.depth[17], depth(6500));
    EXPECT_EQ(f.lat[17], 47.0);
    EXPECT_EQ(f.lon[17], 11.0);

    // Climb and descent at half the cruise speed; the last descent point
    // lies half a minute beyond the destination. Worked values from
    // GeographicLib's WGS84 geodesic: 46 N 8 E to 47 N 11 E is 255689.326 m,
    // 138.06119 nautical miles, flown in 9.5 minutes' worth of cruise speed v;
    // the points v, 3.5 v and 10 v along that geodesic.
    EXPECT_NEAR(f.speed, 14.532756951, 1e-5);
    const std::array<std::pair<std::size_t, LatLon>, 3> along = {{{2, {46.1089421882, 8.3106043043}},
                                                                 {6, {46.3775673748, 9.0924583800}},
                                                                 {16, {47.0504185307, 11.1609373543}}}};
    for (const auto& [k, at] : along) {
        EXPECT_NEAR(f.lat[k], at.lat, 1e-6) << k;
        EXPECT_NEAR(f.lon[k], at.lon, 1e-6) << k;
    }
}

TEST_F(Profile, NoCruiseMinutesFlyTheFirstStep) {
    FlightProfile f = flight_profile(*tp, record(5, {{31000, 0}, {39000, 0}}, 5), origin, destination);
    ASSERT_EQ(f.status, FlightStatus::Computed);
    EXPECT_EQ(f.depth[6], depth(31000));  // start of cruise
    EXPECT_EQ(f.depth[7], depth(31000));  // top of descent, copied
    EXPECT_EQ(f.depth[8], depth(39000 - 1 * ((39000 - 6500.0) / 5)));  // descent from the last step
}

TEST_F(Profile, AltitudeWalkStaysOnTheLastStep) {
    BigFlightRecord r = record(3, {{30000, 2}, {32000, 0}, {34000, 3}}, 5);
    double feet = -1.0;
    altnow(r, 5, feet);  // the start of cruise: no cruise minute before it
    EXPECT_EQ(feet, -1.0);
    altnow(r, 8, feet);  // cruise minute 3
    EXPECT_EQ(feet, 32000.0);
    altnow(r, 5000, feet);
    EXPECT_EQ(feet, 34000.0);
    feet = -1.0;
    altnow(record(3, {{30000, 0}}, 5), 8, feet);
    EXPECT_EQ(feet, -1.0);
}

TEST_F(Profile, LongestFlightFillsTheTablesAndOneMinuteMoreIsRefused) {
    FlightProfile longest = flight_profile(*tp, record(10, {{35000, 1976}}, 10), origin, destination);
    EXPECT_EQ(longest.status, FlightStatus::Computed);
    EXPECT_EQ(longest.weight.size(), 2000u);
    EXPECT_EQ(flight_profile(*tp, record(10, {{35000, 1977}}, 10), origin, destination).status, FlightStatus::TooLong);
    EXPECT_EQ(flight_profile(*tp, record(2100, {{35000, 10}}, 10), origin, destination).status, FlightStatus::TooLong);
}

// Points below the lowest altitude the engine takes (the depth table's,
// some 50 ft below sea level) get its depth; the climb and descent keep
// their slopes from the airports' own elevations.
TEST_F(Profile, PointsBelowTheLowestAltitudeAreComputedAtIt) {
    const double lowest = altitude_bounds(*tp).lowest;
    FlightEnd dead_sea{31.3, 35.4, -1266.0};
    // Climb 10 minutes from -1266 ft to 2734 ft: minute 1 at -866 ft, minute
    // 3 at -66 ft, minute 4 at 334 ft. Descent 4 minutes back down: minute 2
    // at 734 ft, minutes 3 and 4 at -266 ft and -1266 ft.
    FlightProfile f = flight_profile(*tp, record(10, {{2734, 5}}, 4), dead_sea, dead_sea);
    ASSERT_EQ(f.status, FlightStatus::Computed);
    const double floor = depth(lowest);
    EXPECT_LE(floor, 1035.083740234375);  // the deepest km takes (1035.0837 in single precision)
    for (std::size_t k : {0u, 1u, 2u, 3u}) EXPECT_EQ(f.depth[k], floor) << k;
    EXPECT_EQ(f.depth[4], depth(334.0));
    EXPECT_EQ(f.depth[19], depth(734.0));
    for (std::size_t k : {20u, 21u, 22u}) EXPECT_EQ(f.depth[k], floor) << k;  // 22: the destination
    // Airports within the table keep their own depth.
    FlightEnd below_sea{52.3, 4.8, -11.0};
    FlightProfile near = flight_profile(*tp, record(10, {{35000, 5}}, 10), below_sea, below_sea);
    EXPECT_EQ(near.depth.front(), depth(-11.0));
    EXPECT_GT(near.depth.front(), depth(0.0));
}

TEST_F(Profile, OriginEqualToDestinationStaysThere) {
    FlightProfile f = flight_profile(*tp, record(3, {{35000, 12}}, 4), origin, origin);
    EXPECT_EQ(f.speed, 0.0);
    for (std::size_t k = 0; k < f.lat.size(); ++k) {
        EXPECT_NEAR(f.lat[k], 46.0, 1e-12) << k;
        EXPECT_NEAR(f.lon[k], 8.0, 1e-12) << k;
    }
}

TEST(FlightTime, TakeOffTimeAndAverageSwitches) {
    TestProgram tp;
    EXPECT_DOUBLE_EQ(flight_start(*tp, "2019/06/15", 12, 30).value(), 2019.456221461565);
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, 0}));
    flight_start(*tp, "2019/06/15", 0, 0);
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, -1}));
    flight_start(*tp, "05/2019", 0, 30);  // minutes alone keep the daily switch off
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, -1, 0}));
    EXPECT_DOUBLE_EQ(flight_start(*tp, "2019/00/00", 0, 0).value(), 2019.0 + 15.0 / 365.0);
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{-1, -1, -1}));
    EXPECT_EQ(flight_start(*tp, "2019/JU/15", 0, 0), std::nullopt);
}

TEST(FlightReport, NumberWidthsFollowTheDose) {
    TestProgram tp;
    EXPECT_EQ(report_dose_line(*tp, 1.234, 2),
              " Effective dose 1.23 microsieverts   (0.00123 millisieverts) , ICRP Pub. 103 ");
    EXPECT_EQ(report_dose_line(*tp, 12.5, 2),
              " Effective dose  12.5 microsieverts   (0.01250 millisieverts) , ICRP Pub. 103 ");
    EXPECT_EQ(report_dose_line(*tp, 123.45, 5),
              " Absorbed dose   123.5 microgray       (0.12345 milligray)     , WHOLE-BODY AVE");
    EXPECT_EQ(report_dose_line(*tp, 9.996, 4).substr(16, 4), "****");
    EXPECT_EQ(report_dose_line(*tp, 345.6789, 8), " Neutron monitor 345.68 unnormal counts, NM-64 BF3 TUBE");
    EXPECT_EQ(dknames(*tp, 9), " Neutron monitor");  // the last valid quantity's text
    EXPECT_EQ(dkunits(*tp, 0), " unnormal counts");
}

// A trace line of an evaluated point: its number, then six values.
bool point_line(const std::string& line) {
    std::istringstream fields(line);
    std::string first;
    fields >> first;
    int count = 1;
    for (std::string more; fields >> more;) ++count;
    return count == 7 && first.find_first_not_of("0123456789") == std::string::npos;
}

// Flights read from a file and computed on the even tree.
class CityPairFlights : public ::testing::Test {
protected:
    void SetUp() override {
        write_high_airports();
        start_up(*tp);
    }
    BigFlightDose fly(const std::string& run_date = "0000/00/00", int takeoff = 0) {
        return big_flt_dose(*tp, file, run_date, takeoff, 38, 2);
    }
    TreeWorkdir wd{even_rate_tree()};
    TestProgram tp;
    std::istringstream in;
    FlightFile file{in, "FLIGHTS.BIG"};
};

TEST_F(CityPairFlights, RecordsThatCannotBeFlownAreSkippedWithTheirStatus) {
    in.str(big_record("NO STEPS", "2019/06/15", "ZZHA", "ZZHB", 10, {}, 10) +
           big_record("BACKWARDS", "2019/06/15", "ZZHA", "ZZHB", 10, {{35000, 30}, {37000, -5}}, 10) +
           big_record("STANDING", "2019/06/15", "ZZHA", "ZZHB", 0, {{35000, 0}}, 0) +
           big_record("NOWHERE", "2019/06/15", "ZZXX", "ZZHB", 10, {{35000, 30}}, 10) +
           big_record("NO LANDING", "2019/06/15", "ZZHA", "ZZXX", 10, {{35000, 30}}, 10) +
           big_record("TOO LONG", "2019/06/15", "ZZHA", "ZZHP", 10, {{35000, 1977}}, 10) +
           big_record("BELOW ANY AIRPORT", "2019/06/15", "ZZHA", "ZZHB", 10, {{35000, 30}, {-1501, 10}}, 10) +
           big_record("LOWEST STEP", "2019/06/15", "ZZHA", "ZZHB", 10, {{-1500, 30}}, 10) +
           big_record("GOOD", "2019/06/15", "ZZHA", "ZZHB", 10, {{35000, 30}}, 10));
    using enum FlightStatus;
    const std::pair<FlightStatus, const char*> expected[] = {
        {BadProfile, "no cruise steps"},
        {BadProfile, "negative minutes"},
        {BadProfile, "no minute of flight"},
        {UnknownOrigin, "ZZXX is not in the airport files"},
        {UnknownDestination, "ZZXX is not in the airport files"},
        {TooLong, "1997 minutes, at most 1996"},
        {BadProfile, "step 2 at -1501 ft is below -1500 ft"},
        {Computed, ""},  // flown at the lowest altitude the engine takes
        {Computed, ""},
        {EndOfFile, ""},
    };
    for (const auto& [status, detail] : expected) {
        BigFlightDose f = fly();
        EXPECT_EQ(f.status, status) << detail;
        EXPECT_EQ(f.detail, detail);
    }
    auto lines = check_log_lines(tp);
    std::string missing_line = ListLine() << "Missing airport data for" << "ZZXX  ";
    auto missing = std::find(lines.begin(), lines.end(), missing_line);
    ASSERT_NE(missing, lines.end());
    EXPECT_EQ(*(missing + 1), " Aborting flight");
}

// An altitude above the highest the engine takes (about 353,900 ft on this
// tree's depth table, under the conversion's own 400000 ft) cannot be flown:
// a cruise step's skips its flight as an altitude that cannot be read, an
// airport's as a bad airport, each with a check-log line; the next flight
// is computed.
TEST_F(CityPairFlights, AltitudesAboveTheHighestSkipTheirFlight) {
    in.str(big_record("THIN AIR", "2019/06/15", "ZZHA", "ZZHB", 10, {{35000, 10}, {360000, 10}}, 10) +
           big_record("SPACE", "2019/06/15", "ZZHA", "ZZHB", 10, {{500000, 10}}, 10) +
           big_record("GOOD", "2019/06/15", "ZZHA", "ZZHB", 10, {{35000, 30}}, 10));
    const double highest = altitude_bounds(*tp).highest;
    EXPECT_GT(highest, 353000.0);
    EXPECT_LT(highest, 354000.0);
    for (FlightStatus status : {FlightStatus::RecordUnreadable, FlightStatus::RecordUnreadable, FlightStatus::Computed})
        EXPECT_EQ(fly().status, status);
    auto lines = check_log_lines(tp);
    for (auto [step, feet] : {std::pair{2, 360000.0}, std::pair{1, 500000.0}}) {
        std::string line = ListLine() << "ALTITUDE ABOVE THE DEPTH TABLE: " << "STEP" << step << feet << "FEET, HIGHEST"
                                      << highest << "FEET";
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << line;
    }

    // A table that ends in thinner air than the airports: the origin at
    // 35000 ft is above its highest altitude.
    std::string table = read_file(kAltitudeTableFile);
    std::string thin = table.substr(0, table.find('\n', table.find('\n') + 1) + 1);
    std::istringstream rows(table.substr(thin.size()));
    for (double kft, grams; rows >> kft >> grams;) {
        char line[64];
        std::snprintf(line, sizeof line, "%9.2f  %.7E\n", kft, grams * 1.0e-7);
        thin += line;
    }
    // The table keeps its size; a file system whose times are coarse would
    // not show the change to the cache.
    tp->engine.caching = false;
    write_file(kAltitudeTableFile, thin);
    const double thin_highest = altitude_bounds(*tp).highest;
    EXPECT_LT(thin_highest, 35000.0);
    EXPECT_GT(thin_highest, 0.0);
    // Amsterdam (-11 ft) lies within this table.
    struct Case {
        const char* from;
        const char* to;
        FlightStatus status;
    };
    for (const Case& c : {Case{"ZZHA", "ZZHB", FlightStatus::UnknownOrigin},
                          Case{"EHAM", "ZZHA", FlightStatus::UnknownDestination}}) {
        SCOPED_TRACE(c.to);
        in.clear();
        in.str(big_record("HIGH PORT", "2019/06/15", c.from, c.to, 10, {{0, 30}}, 10));
        BigFlightDose f = fly();
        EXPECT_EQ(f.status, c.status);
        EXPECT_EQ(f.detail, "ZZHA at 35000 ft is above the depth table's highest, " +
                                std::to_string(std::lround(thin_highest)) + " ft");
    }
    lines = check_log_lines(tp);
    std::string line = ListLine() << "ALTITUDE ABOVE THE DEPTH TABLE: " << "ZZHA" << 35000.0 << "FEET, HIGHEST"
                                  << thin_highest << "FEET";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 2) << line;
}

TEST_F(CityPairFlights, EqualRatesGiveRateTimesMinutes) {
    // climb 10, cruise 40 (four blocks of nine and four single minutes), descent 12
    in.str(big_record("EVEN", "2019/06/15", "ZZHA", "ZZHB", 10, {{35000, 25}, {35000, 15}}, 12));
    BigFlightDose f = fly();
    ASSERT_EQ(f.status, FlightStatus::Computed);
    double lon = 9.0;
    double rate = dose(*tp, 46.5, lon, ft2gpcms(*tp, 35000), 2019.45, 2 * 38, 4, 0, 0);
    EXPECT_NEAR(f.dose, rate * 62 / 60, 1e-12 * (1 + rate));

    auto lines = check_log_lines(tp);
    auto title = std::find(lines.begin(), lines.end(), " STEP, LAT, LON, ALT, DOSERATE, TIME, CUMDOSE");
    ASSERT_NE(title, lines.end());
    EXPECT_EQ(*(title - 1), std::string(ListLine() << "CALCULATING FLIGHT DOSE " << 2019.0 + 166.0 / 365.0 << 76
                                                   << 4 << 0));
    EXPECT_EQ(std::count_if(title, lines.end(), point_line), 3 + 10 + 40 / 9 + 40 % 9 + 12);
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, -1}));
}

TEST_F(CityPairFlights, RunDateAndTakeOffTimeReplaceTheRecordDate) {
    in.str(big_record("TIMED", "2001/01/01", "ZZHA", "ZZHB", 10, {{35000, 20}}, 10));
    ASSERT_EQ(fly("2019/06/15", 1230).status, FlightStatus::Computed);
    auto lines = check_log_lines(tp);
    auto title = std::find(lines.begin(), lines.end(), " STEP, LAT, LON, ALT, DOSERATE, TIME, CUMDOSE");
    ASSERT_NE(title, lines.end());
    EXPECT_EQ(*(title - 1),
              std::string(ListLine() << "CALCULATING FLIGHT DOSE " << 2019.456221461565 << 76 << 4 << 0));
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, 0}));
}

TEST_F(CityPairFlights, ReportBlockNamesTheCitiesAndThePotential) {
    std::ofstream("SOLARMOD/MORDATES.2K", std::ios::app) << "2019/06/15      1234\n";
    std::ostringstream report;
    big_flt_rpt(*tp, report, "ALPHA-BRAVO", "ZZHA  ", "ZZHB  ", "2019/06/15", 12.5, 2);
    EXPECT_EQ(report.str(), " ALPHA-BRAVO                   \n"
                            " Origin  HIGH ALPHA CITY (ZZHA)\n"
                            " Destination  HIGH BRAVO CITY (ZZHB)\n"
                            " Date 2019/06/15\n"
                            " Heliocentric Potential 1234 MV\n"
                            " Effective dose  12.5 microsieverts   (0.01250 millisieverts) , ICRP Pub. 103 \n"
                            " --------------------------------------------------\n");
}

// Whole runs inside the test, with the shell's listing written by the test.
using CityPairRun = CityPairFlights;

TEST_F(CityPairRun, EveryFileOfAPatternGetsItsOwnResultFile) {
    write_file("DEFAULT.INP", "2019/06/15\n   0\n   1\n   5\n*.BIG\n");
    for (const char* name : {"A.BIG", "B.BIG", "C.BIG"})
        write_file(name, big_record(std::string("FLIGHT ") + name[0], "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}},
                                    5));
    tp.shell.answer_listings("A.BIG\nB.BIG\nC.BIG\n");
    EXPECT_EQ(runbig(*tp), NextMenu::Main);
    EXPECT_EQ(tp->set.init.diag, "NO!");
    auto screen = tp.screen_lines();
    for (int i = 1; i <= 3; ++i) {
        std::string name(1, static_cast<char>('A' + i - 1));
        std::string processing = ListLine() << "Processing " << pad_to(name + ".BIG", 30) << ":" << i << " OF " << 3
                                            << "FILES";
        EXPECT_NE(std::find(screen.begin(), screen.end(), processing), screen.end()) << name;
        auto out = read_lines(name + ".OUT");
        ASSERT_EQ(out.size(), 5u);
        EXPECT_EQ(out[1], " PARTICLE            1 DOSEKIND           5");
        EXPECT_EQ(out[2], " GCR MODEL            4 SUPERPOSITION            0 YMD 2019/06/15");
        EXPECT_EQ(out[3].substr(0, 45), pad_to("FLIGHT " + name, 30) + " ZZHA   ZZHB   ");
        EXPECT_EQ(out[3].substr(56),
                  std::string(4, ' ') + " microGy, AVE WHOLE-BODY ABSORBED DOSE " + " " + "NEUTRONS  ");
    }
    auto report = read_lines("TOLV-7.RPT");  // report switch off: the headers only
    EXPECT_EQ(report, (std::vector<std::string>{" ======> A.BIG                         ",
                                                " ======> B.BIG                         ",
                                                " ======> C.BIG                         "}));
}

// The run holds the diagnostic switch at "NO!" while it lists and computes
// its files, and gives the switch back as it found it.
TEST_F(CityPairRun, DiagnosticSwitchIsOffDuringTheRunAndBackAfterIt) {
    write_file("DEFAULT.INP", "2019/06/15\n   0\n   0\n   2\nA.BIG\n");
    write_file("A.BIG", big_record("FLIGHT A", "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}}, 5));
    tp.shell.answer_listings("A.BIG\n");
    std::string during;
    tp.shell.handler = [&, list = tp.shell.handler](const std::string& command) {
        during = tp->set.init.diag;
        list(command);
    };
    tp->set.init.diag = "YES";
    EXPECT_EQ(runbig(*tp), NextMenu::Main);
    EXPECT_EQ(read_lines("A.OUT").size(), 5u);
    EXPECT_EQ(during, "NO!");
    EXPECT_EQ(tp->set.init.diag, "YES");
}

TEST_F(CityPairRun, MenuPickerWithoutFilesWritesNothing) {
    TestProgram nothing("x\n");  // the answer to the message's pause
    nothing->set.init.menus = "YES";
    nothing.shell.answer_listings("");
    EXPECT_EQ(runbig(*nothing), NextMenu::Same);
    TestProgram quitting("q\n");
    quitting->set.init.menus = "YES";
    quitting.shell.answer_listings("A.BIG\n");
    EXPECT_EQ(runbig(*quitting), NextMenu::Main);
    EXPECT_FALSE(fs::exists("TOLV-7.RPT"));
    EXPECT_FALSE(fs::exists("A.OUT"));
}

// A picked input named like its own archive (FLIGHTS.OUT) is left as it is:
// no archive, no report, a message naming it, and back to the main menu.
TEST_F(CityPairRun, PickedInputThatWouldBeItsOwnArchiveIsNotRun) {
    const std::string flights = big_record("FLIGHT A", "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}}, 5);
    write_file("FLIGHTS.OUT", flights);
    TestProgram menus("1\nY\n");  // the only name offered, dates from the file
    start_up(*menus);
    menus->set.init.menus = "FEW";
    menus.shell.answer_listings("FLIGHTS.OUT\n");
    EXPECT_EQ(runbig(*menus), NextMenu::Main);
    EXPECT_EQ(read_file("FLIGHTS.OUT"), flights);
    auto screen = menus.screen_lines();
    EXPECT_NE(std::find(screen.begin(), screen.end(),
                        std::string(20, ' ') + " FLIGHTS.OUT WOULD BE ITS OWN RESULT FILE: NOT RUN"),
              screen.end())
        << menus.screen();
    EXPECT_EQ(menus.screen().find("inished"), std::string::npos) << menus.screen();
    EXPECT_EQ(menus.screen().find("FINISHED"), std::string::npos) << menus.screen();
    EXPECT_EQ(menus.screen().find("USE DATES FROM FLIGHT DATA FILE"), std::string::npos) << menus.screen();
    EXPECT_FALSE(fs::exists("TOLV-7.RPT"));

    // A batch job listed the same name: it stops rather than end as if done.
    write_file("DEFAULT.INP", "2019/06/15\n   0\n   1\n   5\nFLIGHTS.OUT\n");
    TestProgram batch;
    start_up(*batch);
    batch.shell.answer_listings("FLIGHTS.OUT\n");
    std::string what;
    EXPECT_EQ(stop_status([&] { runbig(*batch); }, &what), kExitFileError);
    EXPECT_EQ(what, "FLIGHTS.OUT: would be its own result file; rename the input file");
    EXPECT_EQ(read_file("FLIGHTS.OUT"), flights);
}

#ifndef _WIN32
// The menus' picker lists with the shell: a flight file named -n.BIG beside
// FLIGHTS.BIG is offered and, picked, run under its own name.
TEST_F(CityPairRun, PickedNameBeginningWithADashIsRun) {
    write_file("FLIGHTS.BIG", big_record("FLIGHT F", "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}}, 5));
    write_file("-n.BIG", big_record("FLIGHT N", "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}}, 5));
    TestProgram menus("1\nY\n");  // -n.BIG is listed first in the C locale; the file's dates
    start_up(*menus);
    menus->set.init.menus = "FEW";
    menus.shell.handler = [](const std::string& command) { SystemShell().run("LC_ALL=C " + command); };
    EXPECT_EQ(runbig(*menus), NextMenu::Main);
    EXPECT_EQ(menus.shell.commands, (std::vector<std::string>{"ls -1d -- *.BIG > FILELIST.TXT",
                                                              "ls -1d -- -n.BIG                         > FILELIST.TXT"}));
    auto out = read_lines("-n.OUT");
    ASSERT_EQ(out.size(), 5u) << menus.screen();
    EXPECT_EQ(out[0], " FLIGHTS FROM -n.BIG                        ");
    EXPECT_EQ(out[3].substr(0, 30), pad_to("FLIGHT N", 30));
    EXPECT_FALSE(fs::exists("FLIGHTS.OUT"));
}
#endif

// The built program in batch mode, every kind of record, compared byte for
// byte. The rate is that of any point at 35000 ft on the even tree.
class CityPairProgram : public ::testing::Test {
protected:
    double rate(int particle, int quantity) {
        TestProgram tp;
        start_up(*tp);
        double lon = 10.0;
        return dose(*tp, 46.5, lon, ft2gpcms(*tp, 35000), 2019.45, particle + 38 * (quantity - 1), 4, 0, 0);
    }
    TreeWorkdir wd{even_rate_tree()};
};

TEST_F(CityPairProgram, EveryKindOfRecord) {
    write_high_airports();
    std::string ini = read_file("TOLV.INI");
    write_file("TOLV.INI", ini.substr(0, ini.find("END")) + "CALCULATE = YES\nEND       = \n");
    write_file("DEFAULT.INP", "0000/00/00\n1230\n   0\n   2\nFLIGHTS.BIG\n");
    std::vector<std::pair<int, int>> many(21, {35000, 3});
    write_file("FLIGHTS.BIG", big_record("GOOD ONE", "2019/06/15", "ZZHA", "ZZHB", 12, {{35000, 20}, {35000, 13}}, 14) +
                                  big_record("BAD DATE", "2019-05-12", "ZZHA", "ZZHB", 12, {{35000, 20}}, 14) +
                                  big_record("NO ORIGIN", "2019/06/15", "ZZXX", "ZZHB", 12, {{35000, 20}}, 14) +
                                  big_record("NO DESTINATION", "05/2019", "ZZHA", "ZZXX", 12, {{35000, 20}}, 14) +
                                  big_record("TOO LONG", "2019/05", "ZZHA", "ZZHP", 20, {{35000, 1960}}, 17) +
                                  big_record("MANY STEPS", "2019/06/15", "ZZHA", "ZZHB", 12, many, 14) +
                                  big_record("MONTHLY", "2019/05", "ZZHP", "ZZHB", 20, {{35000, 200}}, 25) +
                                  big_record("NO SEPARATOR", "2019/06/15", "ZZHA", "ZZHB", 12, {{35000, 20}}, 14, false));
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
    auto out = read_file("FLIGHTS.OUT");
    auto report = read_file("TOLV-7.RPT");

    // Every point of a profile at 35000 ft has the same rate r on this tree,
    // so a flight's dose is r times its minutes over 60, worked by hand: 59
    // for GOOD ONE (12 climb, 20 + 13 cruise, 14 descent), 245 for MONTHLY
    // (20 climb, 200 cruise, 25 descent) and 46 for NO SEPARATOR (12, 20,
    // 14). The committed texts below hold those doses as the archive's e11.4
    // and the report's f6.1 and f7.5 write them (MONTHLY's overflow both
    // report fields, which print stars). Each report block gives the date
    // its flight was computed for: the record's own, after the date rule.
    double r = rate(38, 2);
    EXPECT_NEAR(r * 59 / 60, 3117.35, 0.005);
    EXPECT_NEAR(r * 245 / 60, 12940.0, 5.0);
    EXPECT_NEAR(r * 46 / 60, 2430.48, 0.005);
    const std::string skipped = "  CANNOT READ DATE...SKIPPING THIS FLIGHT    \n"
                                "  BAD ORIGIN PORT...SKIPPING THIS FLIGHT     \n"
                                "  BAD DESTINATION PORT...SKIPPING THIS FLIGHT\n"
                                "  TRIP TIME >1996 MIN...SKIPPING THIS FLIGHT \n"
                                "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    \n";
    EXPECT_EQ(out, " FLIGHTS FROM FLIGHTS.BIG                   \n"
                   " PARTICLE           38 DOSEKIND           2\n"
                   " GCR MODEL            4 SUPERPOSITION            0 YMD 0000/00/00\n"
                   "GOOD ONE                       ZZHA   ZZHB    0.3117E+04     microSv, ICRP Pub. 103 EFFECTIVE DOSE  TOTAL     \n" +
                       skipped +
                       "MONTHLY                        ZZHP   ZZHB    0.1294E+05     microSv, ICRP Pub. 103 EFFECTIVE DOSE  TOTAL     \n"
                       "NO SEPARATOR                   ZZHA   ZZHB    0.2430E+04     microSv, ICRP Pub. 103 EFFECTIVE DOSE  TOTAL     \n"
                       "  REACHED END OF BIG FILE                    \n");
    EXPECT_EQ(report, " ======> FLIGHTS.BIG                   \n"
                      " GOOD ONE                      \n"
                      " Origin  HIGH ALPHA CITY (ZZHA)\n"
                      " Destination  HIGH BRAVO CITY (ZZHB)\n"
                      " Date 2019/06/15\n"
                      " Heliocentric Potential 500 MV\n"
                      " Effective dose 3117.3 microsieverts   (3.11735 millisieverts) , ICRP Pub. 103 \n"
                      " --------------------------------------------------\n" +
                          skipped +
                          " MONTHLY                       \n"
                          " Origin  HIGH POLAR CITY (ZZHP)\n"
                          " Destination  HIGH BRAVO CITY (ZZHB)\n"
                          " Date 2019/05/00\n"
                          " Heliocentric Potential 500 MV\n"
                          " Effective dose ****** microsieverts   (******* millisieverts) , ICRP Pub. 103 \n"
                          " --------------------------------------------------\n"
                          " NO SEPARATOR                  \n"
                          " Origin  HIGH ALPHA CITY (ZZHA)\n"
                          " Destination  HIGH BRAVO CITY (ZZHB)\n"
                          " Date 2019/06/15\n"
                          " Heliocentric Potential 500 MV\n"
                          " Effective dose 2430.5 microsieverts   (2.43048 millisieverts) , ICRP Pub. 103 \n"
                          " --------------------------------------------------\n");
}

// The flights a run leaves out are named, on the console as they are
// skipped and on standard error at the end, and the run ends with status 4;
// the result files keep their skip lines.
TEST_F(CityPairProgram, SkippedFlightsAreNamedAndTheRunEndsWithStatusFour) {
    write_high_airports();
    write_file("DEFAULT.INP", "2019/06/15\n   0\n   0\n   2\nFLIGHTS.BIG\n");
    std::string comma = big_record("COMMA", "2019/06/15", "ZZHA", "ZZHB", 12, {{36000, 430}}, 14);
    comma.replace(comma.find("36000"), 5, "36,000");
    write_file("FLIGHTS.BIG", big_record("FIRST", "2019/06/15", "ZZHA", "ZZHB", 12, {{35000, 20}}, 14) + comma +
                                  big_record("DEEP", "2019/06/15", "ZZHA", "ZZHB", 12, {{-5000, 20}}, 14) +
                                  big_record(" NOWHERE ", "2019/06/15", "ZZHA", "ZZXX", 12, {{35000, 20}}, 14) +
                                  big_record("LAST", "2019/06/15", "ZZHA", "ZZHB", 12, {{35000, 20}}, 14));
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
    auto out = read_lines("FLIGHTS.OUT");
    ASSERT_EQ(out.size(), 9u);
    EXPECT_EQ(out[3].substr(0, 30), pad_to("FIRST", 30));
    EXPECT_EQ(std::vector<std::string>(out.begin() + 4, out.begin() + 7),
              (std::vector<std::string>{"  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ",
                                        "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    ",
                                        "  BAD DESTINATION PORT...SKIPPING THIS FLIGHT"}));
    EXPECT_EQ(out[7].substr(0, 30), pad_to("LAST", 30));
    const std::string skips[] = {
        R"(flight 2 "COMMA" at line 10: CANNOT READ ALTS: line 16 holds a third number)",
        R"(flight 3 "DEEP" at line 19: BAD PROFILE DATA: step 1 at -5000 ft is below -1500 ft)",
        R"(flight 4 "NOWHERE" at line 28: BAD DESTINATION PORT: ZZXX is not in the airport files)",
    };
    for (const std::string& skip : skips) EXPECT_EQ(occurrences(console, "\n SKIPPED " + skip + "\n"), 1) << console;
    auto at = [](const std::string& skip) {
        std::size_t colon = skip.find(": ");
        return skip.substr(0, colon) + " (" + skip.substr(colon + 2) + ")";
    };
    EXPECT_NE(console.find("\ntolv7: 3 of 5 flights skipped in FLIGHTS.BIG: " + at(skips[0]) + ", " + at(skips[1]) +
                           ", " + at(skips[2]) + "\n"),
              std::string::npos)
        << console;
}

// A flight file named -n.BIG beside FLIGHTS.BIG: *.BIG runs both, each into
// its own result file; named alone, -n.BIG runs like any other name.
TEST_F(CityPairProgram, NameBeginningWithADashIsAFlightFileLikeAnyOther) {
    write_high_airports();
    write_file("FLIGHTS.BIG", big_record("FLIGHT F", "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}}, 5));
    write_file("-n.BIG", big_record("FLIGHT N", "2019/06/15", "ZZHA", "ZZHB", 5, {{35000, 5}}, 5));
    struct Case {
        const char* input;
        std::vector<std::pair<const char*, const char*>> results;  // result file, its flight
        const char* not_written;
    };
    for (const Case& c : {Case{"*.BIG", {{"FLIGHTS.OUT", "FLIGHT F"}, {"-n.OUT", "FLIGHT N"}}, ""},
                          Case{"-n.BIG", {{"-n.OUT", "FLIGHT N"}}, "FLIGHTS.OUT"}}) {
        SCOPED_TRACE(c.input);
        for (const char* old : {"FLIGHTS.OUT", "-n.OUT"}) fs::remove(old);
        write_file("DEFAULT.INP", std::string("2019/06/15\n   0\n   0\n   2\n") + c.input + "\n");
        std::string console;
        ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
        for (const auto& [file, flight] : c.results) {
            auto out = read_lines(file);
            ASSERT_EQ(out.size(), 5u) << file;
            EXPECT_EQ(out[3].substr(0, 30), pad_to(flight, 30)) << file;
        }
        if (*c.not_written) {
            EXPECT_FALSE(fs::exists(c.not_written));
        }
    }
}

TEST_F(CityPairProgram, AltitudeAboveTheHighestSkipsOnlyItsFlight) {
    write_high_airports();
    write_file("DEFAULT.INP", "2019/06/15\n   0\n   0\n   2\nFLIGHTS.BIG\n");
    write_file("FLIGHTS.BIG", big_record("FIRST", "2019/06/15", "ZZHA", "ZZHB", 12, {{35000, 20}}, 14) +
                                  big_record("TOO HIGH", "2019/06/15", "ZZHA", "ZZHB", 12, {{500000, 20}}, 14) +
                                  big_record("AFTER", "2019/06/15", "ZZHA", "ZZHB", 12, {{35000, 20}}, 14));
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
    EXPECT_EQ(console.find("OUT OF RANGE"), std::string::npos) << console;
    auto out = read_lines("FLIGHTS.OUT");
    ASSERT_EQ(out.size(), 7u);
    EXPECT_EQ(out[3].substr(0, 30), pad_to("FIRST", 30));
    EXPECT_EQ(out[4], "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(out[5].substr(0, 30), pad_to("AFTER", 30));
    EXPECT_EQ(out[5].substr(45), out[3].substr(45));
}

// Real airports below sea level on the default tree: Amsterdam (-11 ft) lies
// within the depth table, Bar Yehuda by the Dead Sea (-1266 ft) below it,
// so its points are computed at the lowest altitude, with one check-log line
// per flight; every flight is computed and the run ends normally.
TEST(CityPairLowAirports, FlightsToAndFromAirportsBelowSeaLevelAreComputed) {
    TreeWorkdir wd;
    write_file("DEFAULT.INP", "0000/00/00\n   0\n   0\n   2\nLOW.BIG\n");
    struct Case {
        const char* name;
        const char* from;
        const char* to;
        std::vector<std::pair<int, int>> steps;
        const char* below;  // the airports named in the check-log line, or none
    };
    const Case cases[] = {
        {"AMS-JFK", "EHAM", "KJFK", {{37000, 380}}, nullptr},
        {"TLV-MTZ", "LLBG", "LLMZ", {{9000, 10}}, "LLMZ"},
        {"MTZ-AMS", "LLMZ", "EHAM", {{37000, 200}}, "LLMZ"},
        {"MTZ-MTZ", "LLMZ", "LLMZ", {{3000, 5}}, "LLMZ LLMZ"},
    };
    std::string flights;
    for (const Case& c : cases) flights += big_record(c.name, "2019/06/15", c.from, c.to, 20, c.steps, 25);
    write_file("LOW.BIG", flights);
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
    auto out = read_lines("LOW.OUT");
    ASSERT_EQ(out.size(), 3u + std::size(cases) + 1u);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(out[3 + i].substr(0, 45), pad_to(cases[i].name, 31) + pad_to(cases[i].from, 7) + pad_to(cases[i].to, 7));
        EXPECT_GT(std::stod(out[3 + i].substr(45, 11)), 0.0) << out[3 + i];
    }

    // The check log of the run: one line per flight with an airport below.
    TestProgram tp;
    const double lowest = altitude_bounds(*tp).lowest;
    EXPECT_NEAR(lowest, -49.7, 0.5);
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        if (!c.below) continue;
        ListLine line;
        line << "ALTITUDE BELOW THE DEPTH TABLE: ";
        std::istringstream codes(c.below);
        const char* separator = "";
        for (std::string code; codes >> code; separator = ", ") line << separator << code << -1266.0 << "FEET";
        expected.push_back(line << ", COMPUTED AT" << lowest << "FEET");
    }
    std::vector<std::string> written;
    for (const std::string& line : read_lines("DIAGNOSE/TOLV7CHK.DAT"))
        if (line.find("DEPTH TABLE") != std::string::npos) written.push_back(line);
    EXPECT_EQ(written, expected);
}

TEST_F(CityPairProgram, OutOfRangeSettingsStopBeforeAnythingIsWritten) {
    write_file("DEFAULT.INP", "0000/00/00\n   0\n  38\n   2\nFLIGHTS.BIG\n");
    write_file("FLIGHTS.BIG", big_record("ANY", "2019/06/15", "KJFK", "EGLL", 12, {{35000, 20}}, 14));
    std::string console;
    EXPECT_EQ(run_executable(wd.path(), "", &console), kExitFatal);
    EXPECT_NE(console.find("DEFAULT.INP LINE 3"), std::string::npos) << console;
    EXPECT_FALSE(fs::exists("FLIGHTS.OUT"));
    EXPECT_FALSE(fs::exists("TOLV-7.RPT"));
}

// The README's first run: the sample batch file and flights on the default
// tree, as given and without the last record's separator line.
TEST(CityPairSamples, SampleFlightsAreAllComputed) {
    TreeWorkdir wd;
    fs::path samples = TOLV7_SAMPLES_DIR;
    fs::copy_file(samples / "DEFAULT.INP", "DEFAULT.INP");
    const std::string flights = read_file(samples / "FLIGHTS.BIG");
    const std::string unseparated = flights.substr(0, flights.rfind('\n', flights.size() - 2) + 1);
    ASSERT_EQ(flights.substr(unseparated.size(), 3), "---");
    for (const std::string& text : {flights, unseparated}) {
        write_file("FLIGHTS.BIG", text);
        std::string console;
        ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
        auto out = read_lines("FLIGHTS.OUT");
        ASSERT_EQ(out.size(), 3u + 12u + 1u);
        for (std::size_t i = 3; i < 15; ++i) EXPECT_EQ(out[i].size(), 110u) << out[i];
        EXPECT_EQ(out.back(), "  REACHED END OF BIG FILE                    ");
    }
}

}  // namespace
}  // namespace tolv7::test
