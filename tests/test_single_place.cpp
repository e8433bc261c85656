// The single-place dialogue and the decimal year of a date.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "program/startup.hpp"
#include "runs/single_place.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

using namespace test;
using Aves = std::array<std::int32_t, 3>;

tree::TreeOptions constant_tree() {
    tree::TreeOptions o;
    o.constant_coefficients = true;
    return o;
}

// A started program whose keyboard gives `answers`, in a constant-coefficient tree.
class SinglePlace : public ::testing::Test {
protected:
    void start(const std::string& answers, const std::string& menus = "YES") {
        tp = std::make_unique<TestProgram>(answers);
        start_up(**tp);
        (*tp)->set.init.menus = menus;
    }
    Program& p() { return **tp; }
    bool shown(const std::string& line) {
        auto lines = tp->screen_lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    TreeWorkdir wd{constant_tree()};
    std::unique_ptr<TestProgram> tp;
};

TEST_F(SinglePlace, ResultScreenOfAWholeDialogue) {
    start("2019\n6\n15\n12\nS\n45\n30\n0\nw\n75.25\nF\n35000\n0\n2\nx\n");
    onespot(p());
    EXPECT_EQ(p().engine.useaves, (Aves{0, 0, 0}));
    // The result screen as the program writes it on the constant tree. The
    // date is 2019 + (151 + 15 + 0.5) / 365, worked by hand; the potential,
    // depth, cutoff and rate are those of the tree's files (the engine's own
    // tests check how they are found).
    const std::vector<std::string> expected{
        " DATE                            2019.456164",
        " HELIOCENTRIC POTENTIAL            342 MV",
        " LATITUDE                              -45.5 S",
        " LONGITUDE                            -75.25 W",
        " ALTITUDE                        243.8031382 g/cm^2",
        " VERTICAL CUTOFF RIGIDITY            6.35875 GV",
        " PARTICLE                 TOTAL     ",
        " ICRP PUB 103 EFFECTIVE DOSE            423.8579165 MICROSIEVERTS/HOUR              "};
    auto screen = tp->screen_lines();
    auto at = std::find(screen.begin(), screen.end(), expected[0]);
    ASSERT_NE(at, screen.end());
    EXPECT_EQ(std::vector<std::string>(at, at + 8), expected);
    EXPECT_TRUE(shown(" CONVERTED            35000.0 ft TO        243.8031382"));
    EXPECT_TRUE(shown(ListLine() << "(If entering more than a word, enclose answer in quotes)"));
    auto checks = check_log_lines(*tp);
    EXPECT_NE(std::find(checks.begin(), checks.end(), expected[7]), checks.end());
    EXPECT_NE(std::find(checks.begin(), checks.end(),
                        (ListLine() << " HELIOCENTRIC POTENTIAL USED WILL  BE " << 342 << " MV").str()),
              checks.end());
}

TEST_F(SinglePlace, AveragesSkipQuestionsAndSetTheSwitches) {
    struct Case {
        const char* date;
        Aves aves;
        int y, m, d, h;
    };
    const Case cases[] = {{"2019\n0\n", {-1, -1, -1}, 2019, 0, 0, 0},
                          {"2020\n2\n0\n", {0, -1, -1}, 2020, 2, 0, 0},
                          {"2019\n6\n15\n0\n", {0, 0, -1}, 2019, 6, 15, 0},
                          {"2019\n6\n15\n24\n", {0, 0, 0}, 2019, 6, 15, 24}};
    std::string answers;
    for (const Case& c : cases) answers += std::string(c.date) + "n\n45.5\ne\n10.5\ng\n200\n0\n2\nx\n";
    start(answers);
    for (const Case& c : cases) {
        onespot(p());
        EXPECT_EQ(p().engine.useaves, c.aves) << c.date;
        double t = c.y + dsf(c.y, c.m, c.d, c.h) / (leap(c.y) ? 366 : 365);
        EXPECT_TRUE(shown(ListLine() << "DATE                     " << t)) << c.date;
    }
    auto screen = tp->screen_lines();
    EXPECT_EQ(std::count(screen.begin(), screen.end(), (ListLine() << "     What day (ENTER 0 FOR MONTHLY AVERAGE)?").str()), 3);
    EXPECT_EQ(std::count(screen.begin(), screen.end(), (ListLine() << "     What hour (e.g. 14) in UT?").str()), 2);
}

TEST_F(SinglePlace, AnglesInDegreesMinutesSecondsOrFractions) {
    start("2019\n0\nN\n123\n0\n0\nW\n1234\n30\n0\nG\n200\n0\n2\nx\n");
    onespot(p());
    EXPECT_TRUE(shown(ListLine() << "LATITUDE                 " << 12.0 << 'N'));
    EXPECT_TRUE(shown(ListLine() << "LONGITUDE                " << -123.5 << 'W'));
    EXPECT_FALSE(shown(ListLine() << "USING FRACTIONAL DEGREES"));
}

TEST_F(SinglePlace, BadAnswersAreAskedAgain) {
    start("abcd\n2019\n13\n6\n40\n15\n30\n12\n"  // date
          "x\nn\n4x\n10.5\nQ\ne\n10.5\n"  // latitude and longitude
          "q\n5\nk\n10\n38\n5\n9\n2\nx\n");  // altitude, particle, dose type
    onespot(p());
    for (const char* refusal : {"     ENTRY MUST BE 'N' OR 'S'!", "     ENTRY MUST BE 'E' OR 'W'!",
                                "      Entry must be 0 to 37", "      Entry must be 1 to 8 ",
                                "     YEAR MUST BE 1 OR LATER!", "     MONTH MUST BE 0 TO 12!",
                                "     DAY MUST BE 0 TO 30!", "     HOUR MUST BE 0 TO 24!",
                                "     LATITUDE MUST BE 0 TO 90 DEGREES!"})
        EXPECT_TRUE(shown(ListLine() << refusal)) << refusal;
    auto screen = tp->screen_lines();
    EXPECT_EQ(std::count(screen.begin(), screen.end(), (ListLine() << "     What year?").str()), 2);
    EXPECT_EQ(std::count(screen.begin(), screen.end(), (ListLine() << "      ENTER ALTITUDE.").str()), 2);
    EXPECT_TRUE(shown(ListLine() << "CONVERTED " << 10.0 << " km TO " << km2depth(p(), 10.0)));
    EXPECT_TRUE(shown(ListLine() << "PARTICLE                 " << "NEG MUONS "));
    // Month 13, day 40 and hour 30 never reach the potential table or the
    // engine: the date computed is the one typed after them.
    EXPECT_TRUE(shown(ListLine() << "DATE                     " << 2019 + dsf(2019, 6, 15, 12) / 365));
    for (const std::string& line : check_log_lines(*tp))
        EXPECT_EQ(line.find("No data potential found"), std::string::npos) << line;
}

// Each impossible answer is refused with its message and asked again; the
// one dose computed is that of the answers typed after it.
TEST_F(SinglePlace, ImpossibleDatesAndPlacesAreAskedAgain) {
    struct Case {
        const char* year = "2019";
        const char* month = "6";
        const char* day = "15";
        const char* hour = "12";
        const char* latitude = "45.5";
        const char* longitude = "10.5";
        const char* refusal = "";
    };
    auto with = [](Case c, const char* Case::*answer, const char* typed, const char* refusal) {
        c.*answer = typed;
        c.refusal = refusal;
        return c;
    };
    const char* kYear = "     YEAR MUST BE 1 OR LATER!";
    const char* kLatitude = "     LATITUDE MUST BE 0 TO 90 DEGREES!";
    const char* kLongitude = "     LONGITUDE MUST BE 0 TO 360 DEGREES!";
    const Case cases[] = {
        with({}, &Case::year, "-019\n2019", kYear),
        with({}, &Case::year, "0\n2019", kYear),
        with({}, &Case::month, "13\n6", "     MONTH MUST BE 0 TO 12!"),
        with({}, &Case::month, "-1\n6", "     MONTH MUST BE 0 TO 12!"),
        with({}, &Case::day, "31\n15", "     DAY MUST BE 0 TO 30!"),
        with({}, &Case::hour, "25\n12", "     HOUR MUST BE 0 TO 24!"),
        with({}, &Case::latitude, "95\n45.5", kLatitude),
        with({}, &Case::latitude, "90.5\n45.5", kLatitude),
        with({}, &Case::latitude, "1.0e999\n45.5", kLatitude),
        with({}, &Case::latitude, "90\n30\n0\n45.5", kLatitude),  // 90 degrees 30 minutes
        with({}, &Case::latitude, "45\n60\n30\n0", "     MINUTES MUST BE 0 TO 59!"),
        with({}, &Case::latitude, "45\n30\n60\n0", "     SECONDS MUST BE 0 TO 59!"),
        // The hemisphere letter gives the sign: degrees with a minus are refused.
        with({}, &Case::latitude, "-45.5\n45.5", kLatitude),
        with({}, &Case::latitude, "-45\n45.5", kLatitude),
        with({}, &Case::longitude, " -0.0\n10.5", kLongitude),
        with({}, &Case::longitude, "361\n10.5", kLongitude),
        with({}, &Case::longitude, "1.0e999\n10.5", kLongitude),
    };
    for (const Case& c : cases) {
        std::string answers = std::string(c.year) + "\n" + c.month + "\n" + c.day + "\n" + c.hour + "\nN\n" +
                              c.latitude + "\nE\n" + c.longitude + "\nG\n200\n0\n2\nx\n";
        SCOPED_TRACE(answers);
        start(answers);
        onespot(p());
        auto screen = tp->screen_lines();
        EXPECT_EQ(std::count(screen.begin(), screen.end(), (ListLine() << c.refusal).str()), 1);
        EXPECT_TRUE(shown(" DATE                            2019.456164"));
        EXPECT_TRUE(shown(ListLine() << "LATITUDE                 " << 45.5 << 'N'));
        EXPECT_TRUE(shown(ListLine() << "LONGITUDE                " << 10.5 << 'E'));
        auto checks = check_log_lines(*tp);
        EXPECT_EQ(std::count_if(checks.begin(), checks.end(),
                                [](const std::string& l) { return l.rfind(" SENDING data to DOSE", 0) == 0; }),
                  1);
    }
}

// An altitude the engine cannot take is asked again, unit first, after a
// message with the range in the unit given. The tree's depth table reaches
// 1035.0837 g/cm2 at -49.58 ft (-0.01511 km) and falls to 1.0E-4 g/cm2 at
// 353866.59 ft (107.85853 km); the message shows them rounded inwards.
TEST_F(SinglePlace, AltitudesBeyondTheEngineAreAskedAgainWithTheRange) {
    const std::string feet = "     ALTITUDE MUST BE -49 TO 353866 FT!";
    const std::string km = "     ALTITUDE MUST BE -0.0151 TO 107.8585 KM!";
    const std::string depth = "     ALTITUDE MUST BE 0.0001 TO 1035.0837 G/CM^2!";
    struct Case {
        const char* refused;  // unit and altitude
        const std::string& message;
    };
    const Case cases[] = {{"F\n-2000\n", feet}, {"f\n400000\n", feet}, {"K\n-0.02\n", km},
                          {"G\n0\n", depth},     {"g\n2000\n", depth}};
    const std::string place = "2019\n0\nN\n45.5\nE\n10.5\n";
    std::string answers;
    for (const Case& c : cases) answers += place + c.refused + "F\n35000\n0\n2\nx\n";
    // The edges themselves are taken.
    answers += place + "F\n-49\n0\n2\nx\n" + place + "G\n1035.0837\n0\n2\nx\n";
    start(answers);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refused);
        std::size_t before = tp->screen_lines().size();
        onespot(p());
        auto screen = tp->screen_lines();
        std::vector<std::string> added(screen.begin() + static_cast<long>(before), screen.end());
        EXPECT_EQ(std::count(added.begin(), added.end(), (ListLine() << c.message).str()), 1);
        EXPECT_EQ(std::count(added.begin(), added.end(), (ListLine() << "      ARE UNITS FT, KM, OR G/CM^2 <F/K/G>.").str()), 2);
        EXPECT_NE(std::find(added.begin(), added.end(), " ALTITUDE                        243.8031382 g/cm^2"), added.end());
    }
    std::size_t before = tp->screen().size();
    onespot(p());
    onespot(p());
    EXPECT_EQ(tp->screen().find("ALTITUDE MUST BE", before), std::string::npos);
    EXPECT_TRUE(shown(" ALTITUDE                          1035.0837 g/cm^2"));
}

TEST_F(SinglePlace, EachDoseTypeHasItsLine) {
    // On the constant tree every dose quantity has the same coefficient, so
    // quantities 2 to 7 share one rate; the labels and units are the
    // dialogue's own.
    const char* const lines[] = {
        " SECONDARY PARTICLE FLUX            1.624879152E+27 PROTONS   Particles per sq-cm per hour    ",
        " ICRP PUB 103 EFFECTIVE DOSE            1050.374238 MICROSIEVERTS/HOUR              ",
        " ICRP PUB 60 EFFECTIVE DOSE             1050.374238 MICROSIEVERTS/HOUR              ",
        " AMBIENT DOSE EQUIVALENT (h*(10))       1050.374238 MICROSIEVERTS/HOUR              ",
        " WHOLE BODY ABSORBED DOSE               1050.374238 MICROGRAY/HOUR                  ",
        " MICROGRAY/HOUR in 0.5 mm Si            1050.374238 MICROGRAY/HOUR                  ",
        " MICROGRAY/HOUR in 0.3 mm Si            1050.374238 MICROGRAY/HOUR                  ",
        " NM-64 BF3 tube                     3.299846301E-08 counts per hour                 "};
    std::string answers;
    for (int type = 1; type <= 8; ++type) answers += "2019\n0\nN\n45.5\nE\n10.5\nG\n200\n7\n" + std::to_string(type) + "\nx\n";
    start(answers);
    for (int type = 1; type <= 8; ++type) {
        onespot(p());
        EXPECT_TRUE(shown(lines[type - 1])) << type;
    }
}

TEST_F(SinglePlace, FewMenusComputeTheTotalEffectiveDoseWithoutPausing) {
    start("2019\n0\nN\n45.5\nE\n10.5\nG\n200\n", "FEW");
    onespot(p());
    EXPECT_FALSE(shown(ListLine() << "      SELECT RADIATION."));
    auto checks = check_log_lines(*tp);
    EXPECT_TRUE(std::any_of(checks.begin(), checks.end(), [](const std::string& l) {
        return l.rfind(" SENDING data to DOSE", 0) == 0 && l.find(fmt_i(76, 12)) != std::string::npos;
    }));
}

TEST_F(SinglePlace, EndOfInputStopsTheDialogue) {
    start("2019\n6\n");
    EXPECT_EQ(stop_status([&] { onespot(p()); }), kExitEndOfInput);
}

TEST(Ymdh2t, DividesByTheYearLengthAndNeverClearsASwitch) {
    TestProgram tp;
    tp->engine.useaves = {-1, -1, -1};
    EXPECT_EQ(ymdh2t(*tp, 2000, 3, 1, 12), 2000 + dsf(2000, 3, 1, 12) / 366);
    EXPECT_EQ(ymdh2t(*tp, 1900, 3, 1, 12), 1900 + dsf(1900, 3, 1, 12) / 365);
    EXPECT_EQ(tp->engine.useaves, (Aves{-1, -1, -1}));
    tp->engine.useaves = {0, 0, 0};
    ymdh2t(*tp, 2019, 6, 0, 5);
    EXPECT_EQ(tp->engine.useaves, (Aves{0, -1, 0}));
}

}  // namespace
}  // namespace tolv7
