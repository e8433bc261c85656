// Waypoint flights: one point at the middle of every minute, the checks of
// the waypoint file, the .SUM and .DAT archives, and runs of the built
// program.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <sstream>

#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "program/startup.hpp"
#include "runs/flight_status.hpp"
#include "runs/waypoint_dose.hpp"
#include "runs/waypoint_run.hpp"
#include "support/data_tree_fixture.hpp"
#include "support/even_rate_tree.hpp"
#include "support/golden_file.hpp"

namespace tolv7::test {
namespace {

using Status = FlightStatus;

const char kTitles[] = "LAT DEG MIN N/S  LON DEG MIN E/W  ALT FT  MINUTES\n";

// The point of minute j of a leg lies j - 0.5 minutes along it, on the
// ellipsoid's geodesic, at the altitude interpolated in proportion. Worked
// values: the positions from GeographicLib's WGS84 geodesic (a line from the
// leg's ends, Position at distance x (j - 0.5) / minutes), the altitudes by hand.
struct MinutePoint {
    double lat, lon, feet;
};

// 46 N 8 E at 6000 ft to 46.5 N 9 E at 12000 ft in 10 minutes.
const MinutePoint kClimbLeg[] = {
    {46.0252076713, 8.0495695482, 6300.0},
    {46.0755580869, 8.1488438701, 6900.0},
    {46.1258216782, 8.2482987723, 7500.0},
    {46.1759981385, 8.3479345888, 8100.0},
    {46.2260871605, 8.4477516523, 8700.0},
    {46.2760884358, 8.5477502937, 9300.0},
    {46.3260016552, 8.6479308425, 9900.0},
    {46.3758265087, 8.7482936263, 10500.0},
    {46.4255626856, 8.8488389713, 11100.0},
    {46.4752098740, 8.9495672018, 11700.0},
};
// Then on to 47 N 11 E at 12000 ft in 30 minutes.
const MinutePoint kCruiseLeg[] = {
    {46.5086184583, 9.0330285813, 12000.0},
    {46.5258267101, 9.0991170481, 12000.0},
    {46.5429967033, 9.1652472194, 12000.0},
    {46.5601283912, 9.2314190535, 12000.0},
    {46.5772217272, 9.2976325086, 12000.0},
    {46.5942766646, 9.3638875423, 12000.0},
    {46.6112931571, 9.4301841120, 12000.0},
    {46.6282711579, 9.4965221745, 12000.0},
    {46.6452106207, 9.5629016865, 12000.0},
    {46.6621114989, 9.6293226040, 12000.0},
    {46.6789737462, 9.6957848829, 12000.0},
    {46.6957973161, 9.7622884786, 12000.0},
    {46.7125821623, 9.8288333461, 12000.0},
    {46.7293282385, 9.8954194400, 12000.0},
    {46.7460354984, 9.9620467146, 12000.0},
    {46.7627038957, 10.0287151237, 12000.0},
    {46.7793333842, 10.0954246209, 12000.0},
    {46.7959239179, 10.1621751593, 12000.0},
    {46.8124754504, 10.2289666915, 12000.0},
    {46.8289879358, 10.2957991700, 12000.0},
    {46.8454613280, 10.3626725466, 12000.0},
    {46.8618955810, 10.4295867729, 12000.0},
    {46.8782906488, 10.4965418000, 12000.0},
    {46.8946464855, 10.5635375789, 12000.0},
    {46.9109630451, 10.6305740597, 12000.0},
    {46.9272402819, 10.6976511927, 12000.0},
    {46.9434781501, 10.7647689273, 12000.0},
    {46.9596766038, 10.8319272128, 12000.0},
    {46.9758355973, 10.8991259980, 12000.0},
    {46.9919550851, 10.9663652314, 12000.0},
};
// 46 N 8 E at 8000 ft to 46.5 N 9 E at 33000 ft in 7 minutes.
const MinutePoint kGoodLeg[] = {
    {46.0360043399, 8.0708274321, 9785.714285714286},
    {46.1078803819, 8.2127584135, 13357.142857142857},
    {46.1795788292, 8.3550583644, 16928.571428571428},
    {46.2510987858, 8.4977282551, 20500.0},
    {46.3224393520, 8.6407690494, 24071.428571428572},
    {46.3935996249, 8.7841817039, 27642.85714285714},
    {46.4645786978, 8.9279671688, 31214.285714285714},
};

// Step lines (latitude f8.4, longitude f8.4, depth f8.3, step i4, rate and
// running total e11.4) from line `first` on hold the worked points, within
// half a unit of the last digit printed, numbered after minute `before`.
// The depth, rate and total columns are held by the committed archives.
void expect_points(const std::vector<std::string>& lines, std::size_t first, std::span<const MinutePoint> points,
                   int before) {
    ASSERT_LE(first + points.size(), lines.size());
    for (std::size_t k = 0; k < points.size(); ++k) {
        const std::string& line = lines[first + k];
        EXPECT_NEAR(std::stod(line.substr(0, 8)), points[k].lat, 0.5e-4 + 1e-9) << line;
        EXPECT_NEAR(std::stod(line.substr(9, 8)), points[k].lon, 0.5e-4 + 1e-9) << line;
        EXPECT_EQ(std::stoi(line.substr(27, 4)), before + static_cast<int>(k) + 1) << line;
    }
}

// The running total of the last step line.
double last_total(const std::vector<std::string>& lines) { return std::stod(lines.back().substr(44, 11)); }

class WaypointFlights : public ::testing::Test {
protected:
    void SetUp() override { start_up(*tp); }
    WaypointDose fly(const std::string& text, const std::string& run_date = "0000/00/00", int takeoff = 0) {
        std::istringstream in(text);
        dat.str("");
        return deg_flt_dose(*tp, in, "ROUTE.DEG", dat, run_date, takeoff, 38, 2);
    }
    std::vector<std::string> steps() { return split_lines(dat.str()); }
    TreeWorkdir wd{even_rate_tree()};
    TestProgram tp;
    std::ostringstream dat;
};

TEST_F(WaypointFlights, OnePointAtTheMiddleOfEveryMinute) {
    WaypointDose f = fly(std::string("2019/06/15,CLIMB AND CRUISE\n") + kTitles +
                         "46 0 N 8 0 E 6000 0\n46, 30.0, N, 9, 0, E, 12000, 10\n"
                         "47 0 N\n 11 0 E 12000 40  extra values are ignored\n");
    ASSERT_EQ(f.status, Status::Computed);
    EXPECT_EQ(f.date, "2019/06/15");
    auto lines = split_lines(dat.str());
    ASSERT_EQ(lines.size(), 40u);
    expect_points(lines, 0, kClimbLeg, 0);
    expect_points(lines, 10, kCruiseLeg, 10);
    EXPECT_TRUE(matches_golden("waypoint/CLIMB_AND_CRUISE.DAT", dat.str()));
    EXPECT_NEAR(f.total, last_total(lines), 0.5e-3 * f.total);  // four digits printed
}

TEST_F(WaypointFlights, LongitudesCrossingTheAntimeridianAreShownFrom0To360) {
    fly(std::string("2019/06/15,WESTWARD\n") + kTitles + "10 0 N 170 0 W 35000 0\n10 0 N 170 0 E 35000 40\n");
    auto lines = steps();
    ASSERT_EQ(lines.size(), 40u);
    for (const auto& line : lines) {
        double lon = std::stod(line.substr(9, 8));
        EXPECT_GT(lon, 170.0) << line;
        EXPECT_LT(lon, 190.0) << line;
    }
    EXPECT_GT(std::stod(lines.front().substr(9, 8)), 189.0);  // 170 W
    EXPECT_LT(std::stod(lines.back().substr(9, 8)), 171.0);   // 170 E
}

TEST_F(WaypointFlights, MinutesUpTo2000AreFlown) {
    std::string text = std::string("2019/06/15,LONG\n") + kTitles + "46 0 N 8 0 E 35000 0\n47 0 N 11 0 E 35000 ";
    EXPECT_EQ(fly(text + "2000\n").status, Status::Computed);
    EXPECT_EQ(steps().size(), 2000u);
    EXPECT_EQ(steps().back().substr(27, 4), "2000");
    EXPECT_EQ(fly(text + "2001\n").status, Status::TooLong);
    EXPECT_TRUE(steps().empty());
}

TEST_F(WaypointFlights, WaypointsThatCannotBeFlownAreRefused) {
    const std::string first = "46 0 N 8 0 E 35000 0\n";  // line 3
    std::string many = first;
    for (int i = 1; i < 2001; ++i) many += "46 0 N 8 0 E 35000 " + std::to_string(i) + "\n";
    struct Case {
        std::string waypoints;  // from line 3 on
        Status status;
        int line;  // of the waypoint at fault
    };
    const Case cases[] = {
        {first + "47 0 s 11 0 E 35000 30\n", Status::BadProfile, 4},  // lower-case letter
        {first + "47 0 N 11 0 X 35000 30\n", Status::BadProfile, 4},
        {first + "47 0 N 11 0 E high 30\n", Status::BadProfile, 4},
        {first + "47 0 N\n11 0 E 35000\n", Status::BadProfile, 5},  // the file ends inside the waypoint
        {first + "47.5 0 N 11 0 E 35000 30\n", Status::BadProfile, 4},
        {many, Status::BadProfile, 2003},                              // waypoint 2001
        // The first waypoint is the take-off, at minute 0.
        {"46 0 N 8 0 E 35000 5\n", Status::BadProfile, 3},
        {"46 0 N 8 0 E 35000 -1\n", Status::BadProfile, 3},
        // Minutes that fall or repeat have their own status and text.
        {first + "47 0 N 11 0 E 35000 30\n47 0 N 12 0 E 35000 20\n", Status::MinutesDoNotRise, 5},
        {first + "47 0 N 11 0 E 35000 30\n47 0 N 12 0 E 35000 30\n", Status::MinutesDoNotRise, 5},
        {first + "47 0 N 11 0 E 35000 -10\n", Status::MinutesDoNotRise, 4},
        // Impossible places are unreadable groups.
        {first + "95 0 N 11 0 E 35000 30\n", Status::BadProfile, 4},
        {first + "90 1 N 11 0 E 35000 30\n", Status::BadProfile, 4},
        {first + "47 60 N 11 0 E 35000 30\n", Status::BadProfile, 4},
        {first + "47 0 N 361 0 E 35000 30\n", Status::BadProfile, 4},
        {first + "47 0 N 11 60.0 W 35000 30\n", Status::BadProfile, 4},
        {first + "47 0 N 11 nan E 35000 30\n", Status::BadProfile, 4},
        {first + "90 0 S 360 0 W 35000 30\n", Status::Computed, 0},
        // The letter gives the sign: a minus beside it is a typo, on a zero too.
        {first + "-47 0 N 11 0 E 35000 30\n", Status::BadProfile, 4},
        {first + "47 0 N -0 30 W 35000 30\n", Status::BadProfile, 4},
        {first + "47 -0.0 N 11 0 E 35000 30\n", Status::BadProfile, 4},
        // Above the highest altitude the engine takes (about 353,900 ft on
        // this tree's depth table) a minute cannot be flown: minute 30 of the
        // leg to 360,000 ft is at 354,583 ft.
        {first + "47 0 N 11 0 E 360000 30\n", Status::BadProfile, 4},
        {first + "47 0 N 11 0 E 500000 30\n", Status::BadProfile, 4},
        {first + "47 0 N 11 0 E -1e39 30\n", Status::BadProfile, 4},  // beyond single precision
        // A waypoint above it that no minute reaches: the minutes are flown
        // at their middles, here at 197,500 ft on both sides.
        {first + "46 0 N 8 1 E 360000 1\n46 0 N 8 2 E 35000 2\n", Status::Computed, 0},
        {"46 0 N 8 0 E 500000 0\n", Status::Computed, 0},
        // Below any airport is a typo, even where the minutes would be flown
        // at the lowest altitude anyway.
        {first + "47 0 N 11 0 E -1501 30\n", Status::BadProfile, 4},
        {first + "47 0 N 11 0 E -1500 30\n", Status::Computed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.waypoints.substr(0, 80));
        WaypointDose f = fly(std::string("2019/06/15,BAD\n") + kTitles + c.waypoints);
        EXPECT_EQ(f.status, c.status);
        EXPECT_EQ(f.line, c.line);
        if (c.status != Status::Computed) {
            EXPECT_TRUE(steps().empty());
        }
    }
    EXPECT_EQ(badstr(Status::MinutesDoNotRise), "  MINUTES DO NOT RISE...SKIPPING THIS FLIGHT ");
    auto checks = check_log_lines(tp);
    EXPECT_NE(std::find(checks.begin(), checks.end(),
                        std::string(ListLine() << "ALTITUDE ABOVE THE DEPTH TABLE: " << "WAYPOINT" << 2 << 360000.0
                                               << "FEET, HIGHEST" << altitude_bounds(*tp).highest << "FEET")),
              checks.end());
}

// Tel Aviv (135 ft) down to the Dead Sea shore (-1266 ft) and up again:
// the minutes below the lowest altitude the engine takes (the depth
// table's, some 50 ft below sea level) are flown at it, with one check-log
// line naming the waypoint; the others keep their interpolated altitude.
TEST_F(WaypointFlights, WaypointsBelowTheLowestAltitudeAreFlownAtIt) {
    WaypointDose f = fly(std::string("2019/06/15,DEAD SEA\n") + kTitles +
                         "32 0.7 N 34 53.2 E 135 0\n31 19.7 N 35 23.3 E -1266 20\n31 40 N 35 30 E 5000 30\n");
    ASSERT_EQ(f.status, Status::Computed);
    auto lines = steps();
    ASSERT_EQ(lines.size(), 30u);
    const double lowest = altitude_bounds(*tp).lowest;
    // Minute j of the first leg is at 135 - 70.05 (j - 0.5) ft: minute 3 at
    // -40.1 ft, minute 4 at -110.2 ft; minute 21 of the second at -952.7 ft,
    // minute 22 at -326.1 ft, minute 23 at 300.5 ft.
    auto depth_column = [&](int minute) { return lines[static_cast<std::size_t>(minute - 1)].substr(18, 8); };
    const std::string floor = fmt_f(ft2gpcms(*tp, lowest), 8, 3);
    EXPECT_EQ(floor, "1035.084");
    EXPECT_EQ(depth_column(3), fmt_f(ft2gpcms(*tp, 135.0 - 70.05 * 2.5), 8, 3));
    for (int minute = 4; minute <= 22; ++minute) EXPECT_EQ(depth_column(minute), floor) << minute;
    EXPECT_EQ(depth_column(23), fmt_f(ft2gpcms(*tp, -1266.0 + 626.6 * 2.5), 8, 3));
    std::vector<std::string> below;
    for (const std::string& line : check_log_lines(tp))
        if (line.find("DEPTH TABLE") != std::string::npos) below.push_back(line);
    EXPECT_EQ(below, std::vector<std::string>{ListLine() << "ALTITUDE BELOW THE DEPTH TABLE: " << "WAYPOINT" << 2
                                                         << -1266.0 << "FEET, COMPUTED AT" << lowest << "FEET"});
}

TEST_F(WaypointFlights, FileDatesAndRunDates) {
    std::string legs = std::string(kTitles) + "46 0 N 8 0 E 35000 0\n46 0 N 9 0 E 35000 3\n";
    EXPECT_EQ(fly("2019/06,MONTH\n" + legs).date, "2019/06/00");
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, -1, -1}));
    EXPECT_EQ(fly("06/2019,MONTH\n" + legs).date, "2019/06/00");
    EXPECT_EQ(fly("2019/06/15 NO COMMA\n" + legs).status, Status::DateUnreadable);
    EXPECT_EQ(fly("2019-06-15,DASHES\n" + legs).status, Status::DateUnreadable);
    EXPECT_EQ(fly("2019/06/1x,LETTER\n" + legs).status, Status::DateUnreadable);
    EXPECT_EQ(fly("2019/13/01,MONTH 13\n" + legs).status, Status::DateUnreadable);
    EXPECT_EQ(fly("2019/04/31,APRIL 31\n" + legs).status, Status::DateUnreadable);
    EXPECT_EQ(fly("2019/02/29,NOT LEAP\n" + legs).status, Status::DateUnreadable);
    EXPECT_EQ(fly("2020/02/29,LEAP DAY\n" + legs).status, Status::Computed);
    EXPECT_EQ(fly("13/2019,MONTH 13\n" + legs).status, Status::DateUnreadable);
    // A run date replaces the file's, which then need not be readable.
    WaypointDose timed = fly("NO DATE HERE\n" + legs, "2018/03/10", 1230);
    EXPECT_EQ(timed.status, Status::Computed);
    EXPECT_EQ(timed.date, "2018/03/10");
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, 0}));
    fly("NO DATE HERE\n" + legs, "2018/03/10", 30);
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, 0}));
    fly("NO DATE HERE\n" + legs, "2018/03/10", 0);
    EXPECT_EQ(tp->engine.useaves, (std::array<std::int32_t, 3>{0, 0, -1}));
}

TEST_F(WaypointFlights, FlightsWithoutLegsHaveNoMinutes) {
    for (const std::string& points : {std::string(), std::string("46 0 N 8 0 E 35000 0\n")}) {
        WaypointDose f = fly(std::string("2019/06/15,PARKED\n") + kTitles + points);
        EXPECT_EQ(f.status, Status::Computed);
        EXPECT_EQ(f.total, 0.0);
        EXPECT_TRUE(steps().empty());
    }
}

// The run inside the test, with the listing written by the test.
using WaypointRun = WaypointFlights;

TEST_F(WaypointRun, EachFileOfAPatternUsesItsOwnDate) {
    write_file("DEFAULT.INP", "0000/00/00\n1230\n   0\n   2\n*.DEG\n");
    std::string legs = std::string(kTitles) + "46 0 N 8 0 E 35000 0\n46 0 N 9 0 E 35000 3\n";
    write_file("ROUTE.A.DEG", "2019/06/15,FIRST\n" + legs);
    write_file("ROUTE.B.DEG", "2018/07,SECOND\n" + legs);
    tp.shell.answer_listings("ROUTE.A.DEG\nROUTE.B.DEG\n");
    EXPECT_EQ(rundeg(*tp), NextMenu::Main);
    EXPECT_EQ(read_lines("ROUTE.A.SUM").at(2), " DATE: 2019/06/15 HOUR:         1230");
    EXPECT_EQ(read_lines("ROUTE.B.SUM").at(2), " DATE: 2018/07/00 HOUR:         1230");
    EXPECT_EQ(read_lines("ROUTE.B.SUM").at(3).substr(11, 12), " TOTAL      ");
    EXPECT_EQ(read_lines("ROUTE.B.DAT").size(), 1u + 3 + 3);
    EXPECT_EQ(tp.screen_lines().back(), " Finished all           2 requested DEG files");
}

// The run holds the diagnostic switch at "NO!" while it lists and computes
// its files, and gives the switch back as it found it.
TEST_F(WaypointRun, DiagnosticSwitchIsOffDuringTheRunAndBackAfterIt) {
    write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nHOP.DEG\n");
    write_file("HOP.DEG", std::string("ANY,HOP\n") + kTitles + "46 0 N 8 0 E 35000 0\n46 0 N 9 0 E 35000 2\n");
    tp.shell.answer_listings("HOP.DEG\n");
    std::string during;
    tp.shell.handler = [&, list = tp.shell.handler](const std::string& command) {
        during = tp->set.init.diag;
        list(command);
    };
    tp->set.init.diag = "YES";
    EXPECT_EQ(rundeg(*tp), NextMenu::Main);
    EXPECT_EQ(read_lines("HOP.SUM").size(), 4u);
    EXPECT_EQ(during, "NO!");
    EXPECT_EQ(tp->set.init.diag, "YES");
}

TEST_F(WaypointRun, NameWithoutADotGetsTheExtensionsAppended) {
    write_file("DEFAULT.INP", "2019/06/15\n   0\n   1\n   5\nROUTEDEG\n");
    write_file("ROUTEDEG", std::string("ANY,FLIGHT\n") + kTitles + "46 0 N 8 0 E 35000 0\n46 0 N 9 0 E 35000 2\n");
    tp.shell.answer_listings("ROUTEDEG\n");
    rundeg(*tp);
    EXPECT_EQ(read_lines("ROUTEDEG.SUM").size(), 4u);
    EXPECT_EQ(read_lines("ROUTEDEG.DAT").size(), 6u);
}

// A picked input that the run cannot take is refused by name: one named
// like one of its archives (.SUM or .DAT) is left as it is, and neither
// archive is written. A name of 30 characters, the longest the run takes,
// is run.
TEST_F(WaypointRun, PickedInputIsRunOrRefusedByName) {
    const std::string route = std::string("2019/06/15,HOP\n") + kTitles + "46 0 N 8 0 E 35000 0\n46 0 N 9 0 E 35000 3\n";
    const std::string longest = std::string(26, 'L') + ".DEG";
    struct Case {
        std::string input;
        std::string other_archive;
        std::string refusal;  // right-aligned to column 70; empty: the file is run
    };
    const Case cases[] = {
        {"ROUTES.SUM", "ROUTES.DAT", std::string(21, ' ') + " ROUTES.SUM WOULD BE ITS OWN RESULT FILE: NOT RUN"},
        {"X.DAT", "X.SUM", std::string(26, ' ') + " X.DAT WOULD BE ITS OWN RESULT FILE: NOT RUN"},
        {longest, std::string(26, 'L') + ".SUM", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        write_file(c.input, route);
        TestProgram menus("1\nY\n");  // the only name offered, dates from the file
        start_up(*menus);
        menus->set.init.menus = "FEW";
        menus.shell.answer_listings(c.input + "\n");
        EXPECT_EQ(rundeg(*menus), NextMenu::Main);
        EXPECT_EQ(read_file(c.input), route);
        EXPECT_EQ(fs::exists(c.other_archive), c.refusal.empty());
        auto screen = menus.screen_lines();
        const bool runs = c.refusal.empty();
        if (!runs) {
            EXPECT_NE(std::find(screen.begin(), screen.end(), c.refusal), screen.end()) << menus.screen();
        }
        EXPECT_EQ(occurrences(menus.screen(), "FINISHED"), runs ? 1 : 0) << menus.screen();
        EXPECT_EQ(occurrences(menus.screen(), "Finished reports"), runs ? 1 : 0) << menus.screen();
    }
}

// The built program in batch mode over every waypoint file of the folder.
TEST(WaypointProgram, ArchivesOfComputedAndSkippedFlights) {
    TreeWorkdir wd(even_rate_tree());
    write_file("DEFAULT.INP", "0000/00/00\n   0\n   0\n   2\n*.DEG\n");
    write_file("GOOD.DEG", std::string("2019/06/15,GOOD\n") + kTitles + "46 0 N 8 0 E 8000 0\n46 30 N 9 0 E 33000 7\n");
    write_file("NODATE.DEG", std::string("NO DATE\n") + kTitles + "46 0 N 8 0 E 8000 0\n");
    write_file("LOWER.DEG", std::string("2019/06/15,LOWER CASE\n") + kTitles + "46 0 n 8 0 E 8000 0\n");
    write_file("LONG.DEG",
               std::string("2019/06/15,LONG\n") + kTitles + "46 0 N 8 0 E 8000 0\n47 0 N 9 0 E 8000 2001\n");
    write_file("FALL.DEG", std::string("2019/06/15,FALL\n") + kTitles + "46 0 N 8 0 E 8000 0\n47 0 N 9 0 E 8000 -10\n");
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
    // The console names each skipped file, standard error counts them.
    for (const char* skip : {" SKIPPED NODATE.DEG: CANNOT READ DATE: line 1\n",
                             " SKIPPED LOWER.DEG: BAD PROFILE DATA: line 3\n",
                             " SKIPPED LONG.DEG: TRIP TIME >1996 MIN: line 4\n",
                             " SKIPPED FALL.DEG: MINUTES DO NOT RISE: line 4\n"})
        EXPECT_EQ(occurrences(console, skip), 1) << skip << console;
    EXPECT_EQ(occurrences(console, "\ntolv7: 4 of 5 waypoint files skipped in *.DEG: "), 1) << console;

    EXPECT_TRUE(matches_golden("waypoint/GOOD.SUM", read_file("GOOD.SUM")));
    EXPECT_TRUE(matches_golden("waypoint/GOOD.DAT", read_file("GOOD.DAT")));
    auto lines = read_lines("GOOD.DAT");
    ASSERT_EQ(lines.size(), 1u + 7u + 3u);
    expect_points(lines, 1, kGoodLeg, 0);
    // The archives' total is the last step's running total.
    EXPECT_EQ(lines.back().substr(0, 11), lines[7].substr(44, 11));
    EXPECT_EQ(read_lines("GOOD.SUM").back(), lines.back());
    const std::string header = "  LAT(N)   LON(E)   DEPTH   STEP  DOSE RATE  TOTAL DOSE\n";
    const std::pair<const char*, const char*> skipped[] = {
        {"NODATE", "  CANNOT READ DATE...SKIPPING THIS FLIGHT    \n"},
        {"LOWER", "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    \n"},
        {"LONG", "  TRIP TIME >1996 MIN...SKIPPING THIS FLIGHT \n"},
        {"FALL", "  MINUTES DO NOT RISE...SKIPPING THIS FLIGHT \n"}};
    for (auto [name, text] : skipped) {
        EXPECT_EQ(read_file(std::string(name) + ".SUM"), text) << name;
        EXPECT_EQ(read_file(std::string(name) + ".DAT"), header + text) << name;
    }
}

}  // namespace
}  // namespace tolv7::test
