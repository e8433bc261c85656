// Whole batch runs of the built program on failed writes and bad input: the
// exit status, the message that names the file, and what still reaches the
// archives.
#include <gtest/gtest.h>

#include <tuple>

#include "app/calendar.hpp"
#include "app/program_stop.hpp"
#include "engine/dose.hpp"
#include "program/startup.hpp"
#include "support/data_tree_fixture.hpp"

namespace tolv7::test {
namespace {

const char kFlights[] =
    "LHR-CDG\n2019/06/15\nEGLL\nLFPG\n1\n15\n29000 15\n25\n--------\n";
const char kRoute[] =
    "2019/06/15,SHORT HOP\nLAT DEG MIN N/S  LON DEG MIN E/W  ALT FT  MINUTES\n"
    "51 28.0 N 0 27.0 W 83 0\n51 0.0 N 1 0.0 E 30000 20\n";
const char kPlaces[] = "START-\nN,51.5,W,0.5,F,35000,2019/06/15,H12,P00,D2\nSTOP--\n";

std::string batch(const std::string& input) { return "2019/06/15\n1200\n   0\n   2\n" + input + "\n"; }

class BatchRun : public ::testing::Test {
protected:
    BatchRun() {
        write_file("R.BIG", kFlights);
        write_file("R.DEG", kRoute);
        write_file("P.LOC", kPlaces);
    }
    int run(const std::string& input) {
        write_file("DEFAULT.INP", batch(input));
        return run_executable(wd.path(), "", &console);
    }
    TreeWorkdir wd;
    std::string console;
};

TEST_F(BatchRun, FailedWriteOfAnyArchiveOrLogStopsWithStatusTwoNamingTheFile) {
#ifdef _WIN32
    GTEST_SKIP() << "a full disk is a link to /dev/full, which Windows does not have";
#endif
    struct Case {
        const char* input;
        const char* file;
    };
    for (const Case& c : {Case{"R.BIG", "R.OUT"}, Case{"R.BIG", "TOLV-7.RPT"}, Case{"R.DEG", "R.SUM"},
                          Case{"R.DEG", "R.DAT"}, Case{"P.LOC", "P.ANS"}, Case{"R.BIG", "DIAGNOSE/TOLV7CHK.DAT"},
                          Case{"R.BIG", "DIAGNOSE/DIAGNOSE.SKY"}}) {
        SCOPED_TRACE(c.file);
        fs::remove(c.file);
        fs::create_symlink("/dev/full", c.file);
        EXPECT_EQ(run(c.input), kExitFileError) << console;
        EXPECT_NE(console.find(std::string("tolv7: ") + c.file + ": could not be written"), std::string::npos)
            << console;
        if (std::string(c.file).find("TOLV7CHK") == std::string::npos) {
            EXPECT_EQ(console.find("FINISHED"), std::string::npos) << console;
        }
        fs::remove(c.file);
    }
    // With the disk back, the same runs end normally.
    for (const char* input : {"R.BIG", "R.DEG", "P.LOC"}) EXPECT_EQ(run(input), kExitNormal) << console;
}

// DEFAULT.INP picks the run by the input's last three letters: an input named
// like a flight archive (.OUT, .SUM, .DAT) is read as a location list, whose
// archive is the .ANS file, so nothing is written over the input.
TEST_F(BatchRun, InputNamedLikeAFlightArchiveIsKeptAndReadAsALocationList) {
    const std::pair<const char*, const char*> cases[] = {
        {"FLIGHTS.OUT", kFlights}, {"ROUTES.SUM", kRoute}, {"X.DAT", kRoute}};
    for (const auto& [input, text] : cases) {
        SCOPED_TRACE(input);
        write_file(input, text);
        EXPECT_EQ(run(input), kExitFileError) << console;
        EXPECT_EQ(read_file(input), text);
        EXPECT_NE(console.find("CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY"), std::string::npos) << console;
        EXPECT_NE(console.find(std::string("tolv7: ") + input + ": cannot be read as a location list"),
                  std::string::npos)
            << console;
        std::string stem(input, std::string(input).find('.'));
        auto answers = read_lines(stem + ".ANS");
        ASSERT_EQ(answers.size(), 2u);
        EXPECT_EQ(answers[1], " CANNOT READ LOCATIONS, FILE IS CORRUPT OR EMPTY");
        for (const char* archive : {".OUT", ".SUM", ".DAT"}) {
            if (stem + archive != input) {
                EXPECT_FALSE(fs::exists(stem + archive)) << archive;
            }
        }
    }
}

// In a "*" run a file that cannot be run is named and skipped, and the
// other files are run.
TEST_F(BatchRun, FileOfAStarRunThatCannotBeRunCostsOnlyItself) {
    struct Case {
        const char* input;
        std::string file;  // beside R.BIG and R.DEG
        const char* text;
        const char* result;  // of the file that runs
        const char* files;   // the noun of standard error's count
        const char* reason;
    };
    const std::string longest = std::string(27, 'L') + ".BIG";  // 31 characters
    const Case cases[] = {
        {"*.BIG", "A B.BIG", kFlights, "R.OUT", "files", "NAME HOLDS A BLANK"},
        {"*.BIG", longest, kFlights, "R.OUT", "files", "NAME IS LONGER THAN 30 CHARACTERS"},
        {"*.DEG", "A.DEG", "", "R.SUM", "waypoint files", "FILE IS EMPTY"},
        {"*.DEG", "A.DEG", "2019/06/15,NO TITLES\n", "R.SUM", "waypoint files", "FILE ENDS AFTER LINE 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        write_file(c.file, c.text);
        fs::remove(c.result);
        EXPECT_EQ(run(c.input), kExitSkipped) << console;
        EXPECT_TRUE(fs::exists(c.result));
        EXPECT_EQ(occurrences(console, "\n SKIPPED " + c.file + ": " + c.reason + "\n"), 1) << console;
        EXPECT_EQ(occurrences(console, std::string("\ntolv7: 1 of 2 ") + c.files + " skipped in " + c.input + ": " +
                                           c.file + " (" + c.reason + ")\n"),
                  1)
            << console;
        fs::remove(c.file);
    }
}

TEST_F(BatchRun, BadStepLineCostsOnlyItsFlight) {
    write_file("R.BIG", std::string("BROKEN\n2019/06/15\nEGLL\nLFPG\n2\n15\n29000 x\n31000 10\n25\n-------\n") +
                            kFlights);
    ASSERT_EQ(run("R.BIG"), kExitSkipped) << console;
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 3u + 3u);
    EXPECT_EQ(out[3], "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(out[4].substr(0, 44), "LHR-CDG                        EGLL   LFPG  ");
    EXPECT_NE(out[4].substr(45, 11).find("E"), std::string::npos) << out[4];
    EXPECT_EQ(out[5], "  REACHED END OF BIG FILE                    ");
}

TEST_F(BatchRun, FlightsOnImpossibleDatesAreSkippedAsUnreadableDates) {
    std::string flights = kFlights;
    auto dated = [&](const std::string& date) {
        std::string record = flights;
        record.replace(record.find("2019/06/15"), 10, date);
        return record;
    };
    const std::vector<std::string> impossible = {"2019/13/01", "2019/04/31", "13/2019", "0000/06/15", "-019/06/15",
                                                  "06/0000"};
    std::string records;
    for (const std::string& date : impossible) records += dated(date);
    write_file("R.BIG", records + flights);
    write_file("DEFAULT.INP", "0000/00/00\n   0\n   0\n   2\nR.BIG\n");
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 3u + impossible.size() + 2u);
    for (std::size_t i = 0; i < impossible.size(); ++i)
        EXPECT_EQ(out[3 + i], "  CANNOT READ DATE...SKIPPING THIS FLIGHT    ") << impossible[i];
    EXPECT_EQ(out[3 + impossible.size()].substr(0, 7), "LHR-CDG");
}

TEST_F(BatchRun, WaypointFileDatedBeforeYearOneIsSkippedAsAnUnreadableDate) {
    std::string route = kRoute;
    for (const char* date : {"0000/06/15", "-019/06/15", "06/0000"}) {
        SCOPED_TRACE(date);
        write_file("R.DEG", std::string(date) + route.substr(route.find(',')));
        write_file("DEFAULT.INP", "0000/00/00\n   0\n   0\n   2\nR.DEG\n");
        ASSERT_EQ(run_executable(wd.path(), "", &console), kExitSkipped) << console;
        EXPECT_EQ(read_lines("R.SUM"), std::vector<std::string>{"  CANNOT READ DATE...SKIPPING THIS FLIGHT    "});
    }
}

// A message of the fatal exit as the console shows it: 10 blanks, then the
// text right-aligned in 60 columns.
std::string console_message(const std::string& text) {
    return std::string(10, ' ') + std::string(60 - text.size(), ' ') + text;
}

TEST_F(BatchRun, EachRefusalOfTheBatchFileSaysWhyOnTheConsoleAndStandardError) {
    struct Case {
        const char* lines;  // lines 1-4 of DEFAULT.INP
        const char* console;
        const char* error;
    };
    const Case cases[] = {
        {"2019/13/40\n1200\n0\n2", " DEFAULT.INP LINE 1: MONTH 13 IS NOT 00 TO 12",
         "tolv7: DEFAULT.INP, line 1: date \"2019/13/40\": month 13 is not 00 to 12"},
        {"2019/02/30\n1200\n0\n2", " DEFAULT.INP LINE 1: DAY 30 IS NOT 00 TO 28 IN 2019/02",
         "tolv7: DEFAULT.INP, line 1: date \"2019/02/30\": day 30 is not 00 to 28 in 2019/02"},
        {"0000/06/15\n1200\n0\n2", " DEFAULT.INP LINE 1: YEAR 0 IS NOT 1 OR LATER",
         "tolv7: DEFAULT.INP, line 1: date \"0000/06/15\": year 0 is not 1 or later"},
        {"-019/06/15\n1200\n0\n2", " DEFAULT.INP LINE 1: DATE MUST BE YYYY/MM/DD OR MM/YYYY",
         "tolv7: DEFAULT.INP, line 1: date \"-019/06/15\" is not YYYY/MM/DD, MM/YYYY or 0000/00/00"},
        {"\n1200\n0\n2", " DEFAULT.INP LINE 1: DATE MUST BE YYYY/MM/DD OR MM/YYYY",
         "tolv7: DEFAULT.INP, line 1: date \"\" is not YYYY/MM/DD, MM/YYYY or 0000/00/00"},
        {"2019/06/15\n2500\n0\n2", " DEFAULT.INP LINE 2: TAKE-OFF TIME MUST BE 0 TO 2400",
         "tolv7: DEFAULT.INP, line 2: take-off time 2500 is not 0 to 2400"},
        {"2019/06/15\n1200\n99\n2", " DEFAULT.INP LINE 3: PARTICLE MUST BE 0 TO 37",
         "tolv7: DEFAULT.INP, line 3: particle 99 is not 0 to 37"},
        {"2019/06/15\n1200\n0\n9", " DEFAULT.INP LINE 4: DOSE QUANTITY MUST BE 1 TO 8",
         "tolv7: DEFAULT.INP, line 4: dose quantity 9 is not 1 to 8"},
    };
    for (const char* input : {"R.BIG", "R.DEG"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(input) + " " + c.lines);
            write_file("DEFAULT.INP", std::string(c.lines) + "\n" + input + "\n");
            EXPECT_EQ(run_executable(wd.path(), "", &console), kExitFatal) << console;
            auto lines = split_lines(console);
            ASSERT_GE(lines.size(), 4u);
            // The message, the fatal line, then the stop's own line last.
            EXPECT_EQ(lines[lines.size() - 4], console_message(c.console));
            EXPECT_EQ(lines[lines.size() - 2], " Fatal error, aborting program!");
            EXPECT_EQ(lines.back(), c.error);
            EXPECT_FALSE(fs::exists("R.OUT") || fs::exists("R.SUM"));
        }
    }
}

TEST_F(BatchRun, MonthFirstRunDateIsAMonthlyAverageForEveryFlight) {
    fs::path samples = TOLV7_SAMPLES_DIR;
    for (const char* name : {"FLIGHTS.BIG", "ROUTES.DEG"}) fs::copy_file(samples / name, name);
    write_file("DEFAULT.INP", "04/1973\n   0\n   0\n   2\nFLIGHTS.BIG\n");
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
    auto out = read_lines("FLIGHTS.OUT");
    ASSERT_EQ(out.size(), 3u + 12u + 1u);
    EXPECT_NE(out[2].find(" YMD 04/1973   "), std::string::npos) << out[2];
    for (std::size_t i = 3; i < 15; ++i) EXPECT_EQ(out[i].size(), 110u) << out[i];
    // Read as 1973/04/00: the same doses as that run date gives.
    write_file("DEFAULT.INP", "1973/04/00\n   0\n   0\n   2\nFLIGHTS.BIG\n");
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
    auto same = read_lines("FLIGHTS.OUT");
    ASSERT_EQ(same.size(), out.size());
    EXPECT_EQ(std::vector<std::string>(same.begin() + 3, same.end()),
              std::vector<std::string>(out.begin() + 3, out.end()));
    // The same run date for a waypoint flight: 1973 April, monthly average.
    write_file("DEFAULT.INP", "04/1973\n   0\n   0\n   2\nROUTES.DEG\n");
    ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
    auto sum = read_lines("ROUTES.SUM");
    ASSERT_EQ(sum.size(), 4u);
    EXPECT_EQ(sum[2], " DATE: 04/1973    HOUR:            0");
}

// An altitude beyond the depth table costs its own item only: the flight is
// skipped with its status, the place is an improper line (a place left out:
// status 4), and no conversion reaches its fatal stop.
TEST_F(BatchRun, AltitudeBeyondTheTableSkipsItsItemOnly) {
    write_file("R.BIG", std::string("HIGH FLYER\n2019/06/15\nEGLL\nLFPG\n1\n15\n500000 15\n25\n--------\n") + kFlights);
    write_file("R.DEG", "2019/06/15,HIGH\nTITLES\n51 28.0 N 0 27.0 W 500000 0\n51 0.0 N 1 0.0 E 500000 20\n");
    write_file("P.LOC", "START-\nN,51.5,W,0.5,G,2000,2019/06/15,H12,P00,D2\nSTOP--\n");
    // Each run names what it skipped and ends with status 4.
    const std::tuple<const char*, const char*, int> cases[] = {
        {"R.BIG", "R.OUT", kExitSkipped}, {"R.DEG", "R.SUM", kExitSkipped}, {"P.LOC", "P.ANS", kExitSkipped}};
    for (const auto& [input, result, status] : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(run(input), status) << console;
        EXPECT_EQ(console.find("Fatal error, aborting program!"), std::string::npos) << console;
        EXPECT_EQ(console.find("is outside the table's"), std::string::npos) << console;
        EXPECT_TRUE(fs::exists(result));
    }
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 3u + 2u + 1u);
    EXPECT_EQ(out[3], "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ");
    EXPECT_EQ(out[4].substr(0, 7), "LHR-CDG");
    EXPECT_EQ(read_file("R.SUM"), "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    \n");
    auto ans = read_lines("P.ANS");
    ASSERT_EQ(ans.size(), 3u);
    EXPECT_NE(ans[1].find("COMMENT OR IMPROPER FORMAT FOR DATA AT LINE:"), std::string::npos) << ans[1];
}

// The flight dialogue of the built program refuses dates the run could not
// compute; when the keyboard ends there, no flight has been computed.
TEST(FlightDialogue, ImpossibleDatesAreAskedAgainAndNothingIsComputed) {
    tree::TreeOptions options;
    options.menus = "FEW";
    TreeWorkdir wd(options);
    write_file("R.BIG", kFlights);
    std::string console;
    // Flight menu, city-pair run, the first listed file, one date for all.
    const std::string start = "2\n1\n1\nN\n";
    EXPECT_EQ(run_executable(wd.path(), start + "2019/13/45\n-019/06/15\n0000/06/15\n", &console), kExitEndOfInput)
        << console;
    EXPECT_EQ(occurrences(console, "       ENTER A DATE FOR FLIGHT(S) <YYYY/MM/DD>\n"), 4) << console;
    EXPECT_FALSE(fs::exists("R.OUT"));
    EXPECT_EQ(run_executable(wd.path(), start + "2019/13/45\n2019/06/15\n1200\n7\n", &console), kExitNormal)
        << console;
    auto out = read_lines("R.OUT");
    ASSERT_EQ(out.size(), 5u);
    EXPECT_NE(out[2].find(" YMD 2019/06/15"), std::string::npos) << out[2];
    EXPECT_EQ(out[3].substr(0, 7), "LHR-CDG");
}

TEST(DoseLog, StopInsideADoseCallLeavesThatCallsLines) {
    TreeWorkdir wd;
    TestProgram tp;
    start_up(*tp);
    double date = 2019.0 + dsf(2019, 6, 15, 12) / diy(2019);
    double lon = 10.0;
    dose(*tp, 45.0, lon, 300.0, date, 76, 4, 1, 0);
    ASSERT_NE(read_file("DIAGNOSE/DIAGDAP.DAT").find("300.0"), std::string::npos);
    lon = 10.0;
    EXPECT_EQ(stop_status([&] { dose(*tp, 45.0, lon, 2000.0, date, 76, 4, 1, 0); }), kExitFatal);
    auto dap = read_lines("DIAGNOSE/DIAGDAP.DAT");
    ASSERT_FALSE(dap.empty());
    EXPECT_EQ(dap[0].substr(0, 11), "  Starting ");
    EXPECT_NE(dap[0].find("2000.0"), std::string::npos) << dap[0];
}

// The sample tree's coefficients give every top bin a factor of at least 1,
// so the sample runs leave no low-factor warning in either log.
TEST(SampleRuns, WriteNoLowTopBinFactorWarnings) {
    TreeWorkdir wd;
    fs::path samples = TOLV7_SAMPLES_DIR;
    for (const char* name : {"FLIGHTS.BIG", "ROUTES.DEG", "PLACES.LOC"}) fs::copy_file(samples / name, name);
    for (const char* input : {"FLIGHTS.BIG", "ROUTES.DEG", "PLACES.LOC"}) {
        SCOPED_TRACE(input);
        write_file("DEFAULT.INP", batch(input));
        std::string console;
        ASSERT_EQ(run_executable(wd.path(), "", &console), kExitNormal) << console;
        for (const char* log : {"DIAGNOSE/TOLV7CHK.DAT", "DIAGNOSE/DIAGDAP.DAT"})
            EXPECT_EQ(read_file(log).find("Low HFF"), std::string::npos) << log;
        EXPECT_NE(read_file("DIAGNOSE/TOLV7CHK.DAT").find(" Finished: "), std::string::npos);
    }
}

}  // namespace
}  // namespace tolv7::test
