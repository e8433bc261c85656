// The location list run: result files, check-log lines, the picker and the
// batch run of the built program.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "airports/port_lookup.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/altitude_depth.hpp"
#include "program/startup.hpp"
#include "runs/location_run.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7 {
namespace {

using namespace test;

const std::string kHeader =
    "     LAT,       LON,     ALTITUDE,    DATE,    HR, VCR(GV), PARTICLE,  DOSE RATE,        UNIT,      QUANTITY ";
const std::string kCorrupt = "CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY";
const std::string kDefaultInp = "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n";

tree::TreeOptions constant_tree() {
    tree::TreeOptions o;
    o.constant_coefficients = true;
    o.coefficient = 2.5;
    return o;
}

// What the run hands the dose engine for a list line, worked by hand: the
// dose kind (the particle, 38 for P00, plus 38 for each quantity after the
// first) and the decimal year (the days of the months before, the day, the
// hour's share of a day, over the days of the year).
struct WorkedCall {
    int kind;
    double t;
};

// Result lines as the program writes them on the default tree, each checked
// against the layout: latitude and longitude 10.5, altitude 11.4, unit,
// date, hour i4, cutoff f6.2, particle name, rate e11.4, six blanks and the
// quantity's unit and name. The rates and cutoffs are the dose engine's on
// this tree (its own tests check them); a change of the physics shows here
// as in tests/golden.
const std::string kPlaceResult = "  40.00000,  75.00000, 35000.0000,F,2019/06/15,  12,  7.68,TOTAL     , 0.7869E+03,       microSv, ICRP Pub. 103 EFFECTIVE DOSE ";

std::vector<std::string> improper_report(int line, const std::string& text) {
    return {ListLine() << "COMMENT OR IMPROPER FORMAT FOR DATA AT LINE: " << line << "IN PLACES.DAT",
            ListLine() << pad_to(text, 60)};
}

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A started program in a constant-coefficient tree, running lists in batch mode.
class LocationRun : public ::testing::Test {
protected:
    LocationRun() : wd(constant_tree()) {
        start_up(*tp);
        write_file("DEFAULT.INP", kDefaultInp);
    }
    std::vector<std::string> run(const std::string& list) {
        write_file("PLACES.LOC", list);
        EXPECT_EQ(readit(*tp), NextMenu::Same);
        return read_lines("PLACES.ANS");
    }
    // A list the run cannot read to its stop line: a batch job stops with
    // status 2 naming the list, after writing what it read.
    std::vector<std::string> run_unfinished(const std::string& list) {
        write_file("PLACES.LOC", list);
        std::string what;
        EXPECT_EQ(stop_status([&] { readit(*tp); }, &what), kExitFileError);
        EXPECT_EQ(what, "PLACES.LOC: cannot be read as a location list (empty, no START- line or no STOP-- line)");
        return read_lines("PLACES.ANS");
    }
    TreeWorkdir wd;
    TestProgram tp;
};

const char kPlace[] = "N,40,E,75,F,35000,2019/06/15,H12,P00,D2";

TEST_F(LocationRun, StartAndStopLinesFrameTheList) {
    EXPECT_EQ(run("HEAD\nSTART-\nSTOP--\nN,40,E,75,F,0,2019/06/15,H12,P00,D2\n"),
              std::vector<std::string>{kHeader});
    for (const char* list : {"", "HEAD\nN,40,E,75,F,0,2019/06/15,H12,P00,D2\n", "START\n"})
        EXPECT_EQ(run_unfinished(list), (std::vector<std::string>{kHeader, " " + kCorrupt})) << list;
    EXPECT_NE(tp.screen().find(std::string(10, ' ') + kCorrupt), std::string::npos);
    EXPECT_TRUE(has_line(check_log_lines(tp), " " + kCorrupt));

    auto lines = run_unfinished(std::string("START-\n") + kPlace + "\n");  // no stop line
    EXPECT_EQ(lines, (std::vector<std::string>{kHeader, kPlaceResult, " " + kCorrupt}));
}

TEST_F(LocationRun, ImpossiblePlacesDatesAndHoursAreImproperLines) {
    const char* bad[] = {"N,95,E,75,F,35000,2019/06/15,H12,P00,D2", "N,40,E,361,F,35000,2019/06/15,H12,P00,D2",
                         "N,40,E,75,F,35000,2019/13/15,H12,P00,D2", "N,40,E,75,F,35000,2019/04/31,H12,P00,D2",
                         "N,40,E,75,F,35000,2019/06/15,H25,P00,D2", "A,EGLL,F,0,2019/13/01,H12,P00,D2"};
    std::string list = "START-\n";
    for (const char* line : bad) list += std::string(line) + "\n";
    list += "S,90,W,360,F,35000,2019/06/15,H24,P00,D2\nSTOP--\n";
    auto lines = run(list);
    ASSERT_EQ(lines.size(), 1 + 2 * std::size(bad) + 1);
    // The report of the first line, byte for byte.
    EXPECT_EQ(lines[1], " COMMENT OR IMPROPER FORMAT FOR DATA AT LINE:            2 IN PLACES.DAT");
    EXPECT_EQ(lines[2], " N,95,E,75,F,35000,2019/06/15,H12,P00,D2                     ");
    for (std::size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(lines[2 + 2 * i], " " + pad_to(bad[i], 60)) << bad[i];
    EXPECT_EQ(lines.back().substr(0, 22), " -90.00000,-360.00000,");
}

// Altitudes the engine cannot take, in each unit: below its lowest altitude
// (the depth table's, some 50 ft below sea level; Bar Yehuda airport by the
// Dead Sea at -1266 ft), above its highest (about 353,900 ft, 107.86 km), and
// depths outside 1.0E-4 to 1035.0837 g/cm2 for G or any other letter. Each is
// an improper line between places that are computed, named on the console
// with the bounds in its unit and counted as left out; Amsterdam airport at
// -11 ft lies within the table and is computed.
TEST_F(LocationRun, AltitudesTheEngineCannotTakeAreImproperLines) {
    const std::pair<const char*, const char*> bad[] = {
        {"N,40,E,75,F,-2000,2019/06/15,H12,P00,D2", "ALTITUDE -2000 FT IS BELOW -49 FT"},
        {"N,40,E,75,F,-60,2019/06/15,H12,P00,D2", "ALTITUDE -60 FT IS BELOW -49 FT"},
        {"N,40,E,75,F,354000,2019/06/15,H12,P00,D2", "ALTITUDE 354000 FT IS ABOVE 353866 FT"},
        {"N,40,E,75,K,-0.1,2019/06/15,H12,P00,D2", "ALTITUDE -0.1 KM IS BELOW -0.0151 KM"},
        {"N,40,E,75,K,108.0,2019/06/15,H12,P00,D2", "ALTITUDE 108.0 KM IS ABOVE 107.8585 KM"},
        {"N,40,E,75,G,0,2019/06/15,H12,P00,D2", "ALTITUDE 0 G/CM^2 IS BELOW 0.0001 G/CM^2"},
        {"N,40,E,75,G,1035.09,2019/06/15,H12,P00,D2", "ALTITUDE 1035.09 G/CM^2 IS ABOVE 1035.0837 G/CM^2"},
        {"N,40,E,75,x,2000,2019/06/15,H12,P00,D2", "ALTITUDE 2000 G/CM^2 IS ABOVE 1035.0837 G/CM^2"},
        {"A,LLMZ,F,-1266,2019/06/15,H12,P00,D2", "ALTITUDE -1266 FT IS BELOW -49 FT"}};
    std::string list = "START-\n" + std::string(kPlace) + "\n";
    for (const auto& [line, reason] : bad) list += std::string(line) + "\n" + kPlace + "\n";
    list += "A,EHAM,F,-11,2019/06/15,H12,P00,D2\nN,40,E,75,K,107.8,2019/06/15,H12,P00,D2\n"
            "N,40,E,75,G,1035.0837,2019/06/15,H12,P00,D2\nSTOP--\n";
    auto lines = run(list);
    std::vector<std::string> expected{kHeader, kPlaceResult};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        auto report = improper_report(3 + 2 * static_cast<int>(i), bad[i].first);
        expected.insert(expected.end(), report.begin(), report.end());
        expected.push_back(kPlaceResult);
    }
    ASSERT_EQ(lines.size(), expected.size() + 3);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected);
    EXPECT_EQ(lines[expected.size()].substr(0, 35), "  52.30861,   4.76389,   -11.0000,F");
    EXPECT_EQ(lines[expected.size() + 1].substr(22, 13), "   107.8000,K");
    EXPECT_EQ(lines[expected.size() + 2].substr(22, 13), "  1035.0837,G");
    auto checks = check_log_lines(tp);
    EXPECT_TRUE(has_line(checks, improper_report(3, bad[0].first)[0]));
    EXPECT_FALSE(has_line(checks, ListLine() << "READING " << pad_to(bad[0].first, 72)));

    auto screen = tp.screen_lines();
    std::string named;
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        const std::string line = std::to_string(3 + 2 * i);
        EXPECT_TRUE(has_line(screen, " SKIPPED PLACES.LOC LINE " + line + ": " + bad[i].second)) << line;
        if (i < 5) named += (i == 0 ? " line " : ", line ") + line + " (" + bad[i].second + ")";
    }
    EXPECT_EQ(tp->runs.skips.summary(), "9 of 22 place lines skipped in PLACES.LOC:" + named + " and 4 more");
}

TEST_F(LocationRun, LinesAreCountedFromTheTopAndImproperOnesReported) {
    std::string exact = pad_to(kPlace, 66);
    std::string longer = exact + "P01,D5 and more";
    std::string list = "HEADER ONE\nHEADER TWO\nSTART-\n! comment\n\n N,40,E,75,F,0,2019/06/15,H12,P00,D2\n"
                       "n,40,E,75,F,0,2019/06/15,H12,P00,D2\n" + exact + "\n" + longer + "\nX\nSTOP--\nX\n";
    auto lines = run(list);
    const std::string& place = kPlaceResult;
    std::vector<std::string> expected{kHeader};
    for (int n : {5, 6, 7}) {
        auto report = improper_report(n, split_lines(list)[static_cast<std::size_t>(n - 1)]);
        expected.insert(expected.end(), report.begin(), report.end());
    }
    expected.insert(expected.end(), {place, place});
    auto report = improper_report(10, "X");
    expected.insert(expected.end(), report.begin(), report.end());
    EXPECT_EQ(lines, expected);

    auto screen = tp.screen_lines();
    EXPECT_TRUE(has_line(screen, ListLine() << " Analyzing data line: " << 11));
    EXPECT_FALSE(has_line(screen, ListLine() << " Analyzing data line: " << 12));
    // Lines whose first field is no place form are comments: reported, but
    // neither named nor counted as left out.
    EXPECT_EQ(tp.screen().find("SKIPPED"), std::string::npos);
    EXPECT_FALSE(tp->runs.skips.any());
    auto checks = check_log_lines(tp);
    EXPECT_TRUE(has_line(checks, ListLine() << "TESTING LINE" << 3));
    EXPECT_TRUE(has_line(checks, ListLine() << "SKIPPING COMMENT LINE"));
    EXPECT_TRUE(has_line(checks, ListLine() << pad_to(longer, 66) + "      "));
    EXPECT_TRUE(has_line(checks, report[0]));
}

TEST_F(LocationRun, CoordinateLinesReadSignsNumbersAndUnits) {
    auto lines = run("START-\nS,40.5,W,75,F,35000,2019/06/15,H12,P05,D2\nN,40,E,,G,10.0,2019/06/15,H12,P00,D3\n"
                     "N,40.5,E,75,K,10.0,2020/03/01,H06,P01,D1\nN,40,E,75,f,200,2019/06/15,H12,P07,D5\n"
                     "N,40,W,75,G,1000,2019/06/15,H12,P37,D8\nSTOP--\n");
    const std::vector<std::string> expected{kHeader,
        " -40.50000, -75.00000, 35000.0000,F,2019/06/15,  12,  7.97,NEG MUONS , 0.7424E+03,       microSv, ICRP Pub. 103 EFFECTIVE DOSE ",
        "  40.00000,   0.00000,    10.0000,G,2019/06/15,  12,  4.30,TOTAL     , 0.1977E+04,       microSv, ICRP Pub. 60 EFFECTIVE DOSE  ",
        "  40.50000,  75.00000,    10.0000,K,2020/03/01,   6,  7.52,NEUTRONS  , 0.1011E+29,       p/sq.cm, secondary particle fluence   ",
        "  40.00000,  75.00000,   200.0000,f,2019/06/15,  12,  7.68,PROTONS   , 0.7894E+03,       microGy, AVE WHOLE-BODY ABSORBED DOSE ",
        "  40.00000, -75.00000,  1000.0000,G,2019/06/15,  12,  2.48,IRON      , 0.7703E-07,       counts, NM-64 TUBE (BF3)              "};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines[1].size(), 127u);

    auto checks = check_log_lines(tp);
    for (const WorkedCall& call : {WorkedCall{5 + 38, 2019.4561643835616},   // 2019 + (151 + 15 + 0.5) / 365
                                   WorkedCall{38 + 76, 2019.4561643835616},  // P00 of quantity 3
                                   WorkedCall{1, 2020.167349726776},         // 2020 + (60 + 1 + 0.25) / 366
                                   WorkedCall{7 + 152, 2019.4561643835616},  // quantity 5
                                   WorkedCall{37 + 266, 2019.4561643835616}}) {  // quantity 8
        EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE dosekind = " << call.kind)) << call.kind;
        EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE date and time = " << call.t)) << call.t;
    }
    EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE altitude = " << km2depth(*tp, 10.0)));
    EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE longitude = " << -75.0));
    EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE gcr = " << 4));
    EXPECT_EQ(std::count(checks.begin(), checks.end(), (ListLine() << "CALLING FT2GPCM2").str()), 1);
}

TEST_F(LocationRun, AverageSwitchesFollowEachLine) {
    using Aves = std::array<std::int32_t, 3>;
    const std::string all = "N,40,E,75,F,0,2019/00/00,H00,P00,D2\n";
    run("START-\n" + all + "STOP--\n");
    EXPECT_EQ(tp->engine.useaves, (Aves{-1, -1, -1}));
    run("START-\n" + all + "N,40,E,75,F,0,2019/06/15,H12,P00,D2\nSTOP--\n");
    EXPECT_EQ(tp->engine.useaves, (Aves{0, 0, 0}));
    run("START-\n" + all + "N,40,E,75,F,0,2019/06/00,H12,P00,D2\nSTOP--\n");
    EXPECT_EQ(tp->engine.useaves, (Aves{0, -1, 0}));
}

TEST_F(LocationRun, AirportLinesTakeTheirPlaceFromTheAirportFiles) {
    const std::string unknown = "A,ZZZZ,F,35000,2019/06/15,H12,P00,D2";
    auto lines = run("START-\nA,VHHH,F,35000,2019/06/15,H12,P05,D2\n" + unknown + "\n"
                     "a, EGLL ,K,10.0,2019/06/15,H06,P00,D4\nSTOP--\n");
    auto london = *port_info(*tp, "EGLL");
    ASSERT_EQ(london.ew, 'W');
    // The unknown airport's line is reported, so that every line is accounted for.
    const auto report = improper_report(3, unknown);
    const std::vector<std::string> expected{kHeader,
        "  22.30889, 113.91500, 35000.0000,F,2019/06/15,  12, 13.19,NEG MUONS , 0.3010E+03,       microSv, ICRP Pub. 103 EFFECTIVE DOSE ",
        report[0], report[1],
        "  51.47056,  -0.46194,    10.0000,K,2019/06/15,   6,  1.81,TOTAL     , 0.5556E+04,       microSv, ICRU AMBIENT DOSE EQ. H(*10) "};
    EXPECT_EQ(lines, expected);
    EXPECT_NE(tp.screen().find("PORT_INFO failed for ZZZZ"), std::string::npos);
    EXPECT_TRUE(has_line(tp.screen_lines(), " SKIPPED PLACES.LOC LINE 3: AIRPORT ZZZZ NOT FOUND"));
    EXPECT_EQ(tp->runs.skips.summary(), "1 of 3 place lines skipped in PLACES.LOC: line 3 (AIRPORT ZZZZ NOT FOUND)");
}

TEST_F(LocationRun, DiagnosticSwitchAddsTheTrace) {
    const std::string list = "START-\nA,EGLL,F,35000,2019/06/15,H12,P00,D2\n" + std::string(kPlace) + "\nSTOP--\n";
    auto traced = [&](const std::vector<std::string>& checks) {
        int count = 0;
        for (std::string text : {"CALLING READIT TO READ LIST OF LOCATIONS", "READING CODE EGLL  ",
                                        "DOSE RATE ATEGLL   IS ", "DOSE RATE AT NORMAL LOCATION IS",
                                        "READING gcr = "})
            count += std::any_of(checks.begin(), checks.end(),
                                 [&](const std::string& l) { return l.rfind(" " + text, 0) == 0; });
        return count;
    };
    run(list);
    auto quiet = check_log_lines(tp);
    EXPECT_EQ(traced(quiet), 0);
    EXPECT_TRUE(has_line(quiet, ListLine() << " Sending DOSE test = " << 0));
    tp->set.init.diag = "YES";
    run(list);
    auto checks = check_log_lines(tp);
    EXPECT_EQ(traced(checks), 5);
    EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE test = " << 1));
}

TEST_F(LocationRun, ResultFileIsNamedAfterTheList) {
    write_file("NODOT", std::string("START-\n") + kPlace + "\nSTOP--\n");
    write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nNODOT\n");
    readit(*tp);
    EXPECT_EQ(read_lines("NODOT.ANS").size(), 2u);

    const std::string list = std::string("START-\n") + kPlace + "\nSTOP--\n";
    write_file("OLD.ANS", list);
    write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nOLD.ANS\n");
    EXPECT_EQ(stop_status([&] { readit(*tp); }), kExitFileError);
    TestProgram menus("1\n");  // the picker offers the same name
    start_up(*menus);
    menus->set.init.menus = "FEW";
    menus.shell.answer_listings("OLD.ANS\n");
    EXPECT_EQ(readit(*menus), NextMenu::Same);
    EXPECT_NE(menus.screen().find("WOULD BE ITS OWN RESULT FILE"), std::string::npos);
    EXPECT_EQ(read_file("OLD.ANS"), list);
}

TEST_F(LocationRun, PickerChoosesTheListInMenus) {
    TestProgram menus("Q\n1\n");
    start_up(*menus);
    menus->set.init.menus = "FEW";
    std::string listing;
    menus.shell.handler = [&](const std::string&) { write_file("FILELIST.TXT", listing); };
    EXPECT_EQ(readit(*menus), NextMenu::Same);  // nothing to pick
    EXPECT_NE(menus.screen().find("No such files exist in this directory!"), std::string::npos);
    listing = "PICKED.LOC\n";
    EXPECT_EQ(readit(*menus), NextMenu::Main);
    write_file("PICKED.LOC", "START-\nSTOP--\n");
    EXPECT_EQ(readit(*menus), NextMenu::Same);
    EXPECT_EQ(read_lines("PICKED.ANS"), std::vector<std::string>{kHeader});
}

// The built program in batch mode, on a list with every kind of line.
TEST(LocationBatch, WritesTheResultFileAndTheCheckLog) {
    TreeWorkdir wd(constant_tree());
    write_file("DEFAULT.INP", kDefaultInp);
    write_file("PLACES.LOC",
               "A SAMPLE LIST\nSTART-\n! comment\nS,33.5,W,70.25,F,40000,2012/03/10,H12,P00,D2\n"
               "N,78,E,15,K,12.5,2019/11/00,H00,P01,D1\nA,RJTT,F,35000,2015/00/00,H00,P00,D5\n"
               "Z,WRONG\nA,XXXX,F,35000,2019/06/15,H12,P00,D2\nSTOP--\nN,1,E,1,F,0,2019/06/15,H12,P00,D2\n");
    // The unknown airport is a place line left out; Z,WRONG is a comment.
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
    EXPECT_EQ(split_lines(console).back(),
              "tolv7: 1 of 4 place lines skipped in PLACES.LOC: line 8 (AIRPORT XXXX NOT FOUND)");
    std::string results = read_file("PLACES.ANS");
    auto checks = read_lines("DIAGNOSE/TOLV7CHK.DAT");

    std::string expected = kHeader + "\n";
    for (const char* line : {" -33.50000, -70.25000, 40000.0000,F,2012/03/10,  12, 10.25,TOTAL     , 0.3621E+03,       microSv, ICRP Pub. 103 EFFECTIVE DOSE ",
                             "  78.00000,  15.00000,    12.5000,K,2019/11/00,   0,  0.07,NEUTRONS  , 0.1017E+29,       p/sq.cm, secondary particle fluence   ",
                             "  35.55222, 139.78000, 35000.0000,F,2015/00/00,   0,  9.15,TOTAL     , 0.4967E+03,       microGy, AVE WHOLE-BODY ABSORBED DOSE "})
        expected += std::string(line) + "\n";
    for (const auto& line : improper_report(7, "Z,WRONG")) expected += line + "\n";
    for (const auto& line : improper_report(8, "A,XXXX,F,35000,2019/06/15,H12,P00,D2")) expected += line + "\n";
    EXPECT_EQ(results, expected);
    for (double t : {2012.1926229508197,   // 2012 + (60 + 10 + 0.5) / 366
                     2019.8739726027397,   // 2019 + (304 + 15) / 365: a monthly average
                     2015.041095890411}) { // 2015 + 15 / 365: a yearly average
        EXPECT_TRUE(has_line(checks, ListLine() << " Sending DOSE date and time = " << t)) << t;
    }

    for (const std::string& fixed :
         {std::string("TESTING LINE"), std::string("SKIPPING COMMENT LINE"), std::string("READING A,RJTT"),
          std::string("CALLING FT2GPCM2"), std::string(" Sending DOSE latitude = "),
          std::string(" Sending DOSE date and time = "), std::string(" Sending DOSE superposition = "),
          std::string("TIME BEFORE CALLING DOSE WAS "), std::string("  TIME FOR ALT WAS "),
          std::string("TIME ON THIS LINE DATA WAS "), std::string("COMMENT OR IMPROPER FORMAT")})
        EXPECT_TRUE(std::any_of(checks.begin(), checks.end(),
                                [&](const std::string& l) { return l.rfind(" " + fixed, 0) == 0; }))
            << fixed;
}

// Typos that used to be computed (35,000 ft read as 35, W with -73.8 as
// 73.8 east) and an altitude above the depth table are improper lines: each
// is reported in the result file, named on the console, and the run ends
// with status 4 and one line on standard error; the comment is not counted.
TEST(LocationBatch, ImproperPlaceLinesAreNamedAndEndWithStatus4) {
    TreeWorkdir wd(constant_tree());
    write_file("DEFAULT.INP", kDefaultInp);
    const std::pair<const char*, const char*> bad[] = {
        {"N,51.5,W,0.5,F,35,000,2019/06/15,H12,P00,D2", "MORE FIELDS THAN ITS FORM"},
        {"N,40,W,-73.8,F,35000,2019/06/15,H12,P00,D2", "MINUS SIGN BESIDE W"},
        {"N,40,E,75,F,500000,2019/06/15,H12,P00,D2", "ALTITUDE 500000 FT IS ABOVE 353866 FT"}};
    std::string list = std::string("START-\n") + kPlace + "\nA COMMENT, NOT A PLACE\n";
    for (const auto& [line, reason] : bad) list += std::string(line) + "\n";
    write_file("PLACES.LOC", list + kPlace + "\nSTOP--\n");
    std::string console;
    EXPECT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;

    std::vector<std::string> expected{kHeader, kPlaceResult};
    auto comment = improper_report(3, "A COMMENT, NOT A PLACE");
    expected.insert(expected.end(), comment.begin(), comment.end());
    std::string named;
    auto lines = split_lines(console);
    for (int i = 0; i < 3; ++i) {
        const std::string line = std::to_string(4 + i);
        auto report = improper_report(4 + i, bad[i].first);
        expected.insert(expected.end(), report.begin(), report.end());
        EXPECT_TRUE(has_line(lines, " SKIPPED PLACES.LOC LINE " + line + ": " + bad[i].second)) << console;
        named += (i == 0 ? " line " : ", line ") + line + " (" + bad[i].second + ")";
    }
    expected.push_back(kPlaceResult);
    EXPECT_EQ(read_lines("PLACES.ANS"), expected);
    EXPECT_EQ(occurrences(console, " SKIPPED "), 3);
    EXPECT_EQ(lines.back(), "tolv7: 3 of 5 place lines skipped in PLACES.LOC:" + named);
}

TEST(LocationBatch, SampleListRunsWhole) {
    TreeWorkdir wd;
    fs::path samples = TOLV7_SAMPLES_DIR;
    fs::copy_file(samples / "PLACES.LOC", "PLACES.LOC");
    write_file("DEFAULT.INP", "2019/06/15\n1200\n   0\n   2\nPLACES.LOC\n");
    std::string console;
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
    auto lines = read_lines("PLACES.ANS");
    ASSERT_EQ(lines.size(), 21u);
    for (const auto& line : lines) EXPECT_TRUE(line == kHeader || line.size() == 127u) << line;
}

}  // namespace
}  // namespace tolv7
